// Shared pieces of the report tests (and the report's benchmark): a grid-and-log source, the
// shipped sample's report, a chart picture, reading a .docx.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>
#include <map>
#include <vector>

#include "report/content/report_file.h"
#include "report/content/report_source.h"

namespace report::test {

// A chart-sized picture with something drawn on it.
QImage chartPicture(int width = 785, int height = 265);

// A grid of `rows` × 11 cells numbered like the analysis fills it, a few cells left empty.
ReportTexts sampleTexts(int rows, int logLines);

// The shipped sample's run, data/Input.txt against data/exttable.txt, with its worked solution,
// as the window reports it when the solution is asked for.
ReportTexts shippedSampleWithSolution();

// A ReportSource over texts that puts its picture on the system clipboard.
class ClipboardSource : public ReportSource {
 public:
  ClipboardSource(ReportTexts texts, QImage chart);
  int32_t gridRowCount() const override { return inner_.gridRowCount(); }
  int32_t gridColumnCount() const override { return inner_.gridColumnCount(); }
  QString gridCell(int32_t column, int32_t row) const override {
    return inner_.gridCell(column, row);
  }
  int32_t logLineCount() const override { return inner_.logLineCount(); }
  QString logLine(int32_t index) const override { return inner_.logLine(index); }
  void copyChartToClipboard() override;

 private:
  ReportTexts texts_;
  QImage chart_;
  QImage unused_;
  TextReportSource inner_;
};

// The entries of a ZIP archive, by name.
std::map<QString, QByteArray> unzip(const QByteArray& archive);

// One local file header of a ZIP archive, as stored.
struct LocalEntry {
  QString name;
  uint16_t flags = 0;
  uint16_t method = 0;
  std::vector<uint16_t> extraIds;
};
std::vector<LocalEntry> localEntries(const QByteArray& archive);

QByteArray readFile(const QString& path);
// Creates or replaces the file with these bytes; false when it cannot be written whole.
bool writeFile(const QString& path, const QByteArray& bytes);

}  // namespace report::test
