// Saving the window's report: built in memory, written by the format's writer, replaced whole.
#include "ui/export/report_saving.h"

#include <QImage>

#include "report/content/report_document.h"
#include "report/content/report_format.h"
#include "report/model/document_properties.h"
#include "ui/command_captions.h"
#include "ui/export/output_file.h"
#include "ui/export/window_report_source.h"
#include "ui/main_window/main_form.h"

namespace ui {

report::DocumentModel windowReport(TMainForm& window) {
  QImage picture;
  const report::ReportTexts texts = windowReportTexts(window);
  report::TextReportSource source(texts, [&] { copyChartForReport(window, &picture); });
  return report::buildReportDocument(
      source, [&picture] { return picture; },
      report::reportProperties(QString::fromStdString(window.state().FileName)));
}

bool saveReportTo(TMainForm& window, const QString& path) {
  const report::ReportFormat format = report::reportFormatForPath(path);
  return saveOutput(
      window, path, [&] { return report::reportBytes(windowReport(window), format); },
      text::kReportSaved);
}

void saveReportCommand(TMainForm& window) {
  const QString path = chooseOutputFile(
      window, QString::fromUtf8(text::kSaveReportTitle), QString::fromUtf8(text::kReportFileStem),
      {{QString::fromUtf8(text::kWordFilter), report::reportSuffix(report::ReportFormat::Docx)},
       {QString::fromUtf8(text::kPdfFilter), report::reportSuffix(report::ReportFormat::Pdf)}});
  if (!path.isEmpty()) saveReportTo(window, path);
}

}  // namespace ui
