// The report without a window, for the command-line companion.
#include "report/content/report_file.h"

#include "report/automation/document_application.h"
#include "report/content/word_report.h"
#include "report/delivery/report_delivery.h"

namespace report {

TextReportSource::TextReportSource(const ReportTexts& texts, std::function<void()> copyChart)
    : texts_(texts), copyChart_(std::move(copyChart)) {}

TextReportSource::TextReportSource(const ReportTexts& texts, QImage chart, QImage* clipboard)
    : TextReportSource(texts, [chart = std::move(chart), clipboard] { *clipboard = chart; }) {}

int32_t TextReportSource::gridRowCount() const {
  return static_cast<int32_t>(texts_.gridRows.size());
}

int32_t TextReportSource::gridColumnCount() const { return texts_.columnCount; }

QString TextReportSource::gridCell(int32_t column, int32_t row) const {
  if (row < 0 || row >= gridRowCount()) return QString();
  const QStringList& cells = texts_.gridRows[row];
  return column >= 0 && column < cells.size() ? cells[column] : QString();
}

int32_t TextReportSource::logLineCount() const {
  return static_cast<int32_t>(texts_.logLines.size());
}

QString TextReportSource::logLine(int32_t index) const {
  return index >= 0 && index < texts_.logLines.size() ? texts_.logLines[index] : QString();
}

void TextReportSource::copyChartToClipboard() { copyChart_(); }

const engine::TextDocument* TextReportSource::solution() const {
  return texts_.solution ? &*texts_.solution : nullptr;
}

void saveReportDocument(const ReportTexts& texts, const QImage& chart, const QString& path,
                        ReportFormat format) {
  QImage clipboard;
  TextReportSource source(texts, chart, &clipboard);
  DocumentApplication word(
      saveToFile(path, format), [&clipboard] { return clipboard; },
      [&texts] { return reportProperties(texts.sampleFileName); });
  buildWordReport(word, source);
}

QByteArray reportDocumentBytes(const ReportTexts& texts, const QImage& chart, ReportFormat format) {
  QImage clipboard;
  TextReportSource source(texts, chart, &clipboard);
  QByteArray bytes;
  DocumentApplication word(
      keepInMemory(bytes, format), [&clipboard] { return clipboard; },
      [&texts] { return reportProperties(texts.sampleFileName); });
  buildWordReport(word, source);
  return bytes;
}

}  // namespace report
