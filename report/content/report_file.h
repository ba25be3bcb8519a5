// The report without a window: grid and log texts and a chart picture, saved to a file.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

#include "engine/document/text_document.h"
#include "report/content/report_format.h"
#include "report/content/report_source.h"

namespace report {

struct ReportTexts {
  int32_t columnCount = 11;
  std::vector<QStringList> gridRows;  // row 0 the header; a short row reads as empty cells
  QStringList logLines;
  QString sampleFileName;                        // for the document's title
  std::optional<engine::TextDocument> solution;  // after the log, when there is one
};

// A ReportSource over fixed texts; copying the chart calls `copyChart`, which puts the chart's
// picture where the report's paste finds it.
class TextReportSource : public ReportSource {
 public:
  TextReportSource(const ReportTexts& texts, std::function<void()> copyChart);
  // Copying the chart puts `chart` on the private clipboard `clipboard`.
  TextReportSource(const ReportTexts& texts, QImage chart, QImage* clipboard);

  int32_t gridRowCount() const override;
  int32_t gridColumnCount() const override;
  QString gridCell(int32_t column, int32_t row) const override;
  int32_t logLineCount() const override;
  QString logLine(int32_t index) const override;
  void copyChartToClipboard() override;
  const engine::TextDocument* solution() const override;

 private:
  const ReportTexts& texts_;
  std::function<void()> copyChart_;
};

// Builds the report through the same automation steps as the window's command and writes it
// to `path` (replacing it) in `format` instead of opening it. Needs no display. Throws
// AutomationError.
void saveReportDocument(const ReportTexts& texts, const QImage& chart, const QString& path,
                        ReportFormat format = ReportFormat::Docx);

// The same report as the whole file in `format` in memory, for a caller that writes it itself.
// Throws AutomationError.
QByteArray reportDocumentBytes(const ReportTexts& texts, const QImage& chart,
                               ReportFormat format = ReportFormat::Docx);

}  // namespace report
