// Printing the report through QtPrintSupport, painted as the PDF is.
#include "ui/export/report_printing.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>

#include "report/pdf/document_painter.h"
#include "ui/command_captions.h"
#include "ui/export/output_file.h"
#include "ui/export/report_saving.h"
#include "ui/main_window/main_form.h"
#include "ui/message_sink.h"
#include "ui/results/result_line.h"

namespace ui {

namespace {

// Printing to a file: Qt's printer would write the named file in place, open whatever it is
// (a pipe would hold the window) and leave half a file behind on a failure. So the pages go to a
// private file first, and from there to the target as every saved file goes.
QString printToFile(TMainForm& window, QPrinter& printer, const report::DocumentModel& document) {
  const QString target = QFileInfo(printer.outputFileName()).absoluteFilePath();
  QString refused = refusedOutput(window, target);
  if (!refused.isEmpty()) return refused;
  QTemporaryDir scratch;
  if (!scratch.isValid()) return scratch.errorString();
  const QString pages = scratch.filePath(QStringLiteral("printed"));
  printer.setOutputFileName(pages);
  const bool painted = report::paintDocument(document.document(), printer) > 0;
  printer.setOutputFileName(target);
  QFile file(pages);
  if (!painted || !file.open(QIODevice::ReadOnly))
    return QStringLiteral("не удалось записать файл «%1»").arg(pages);
  const QString failure = writeOutputFile(target, file.readAll());
  return failure.isEmpty()
             ? QString()
             : QStringLiteral("«%1»: %2").arg(QDir::toNativeSeparators(target), failure);
}

}  // namespace

QString printReportOn(TMainForm& window, QPrinter& printer) {
  const report::DocumentModel document = windowReport(window);
  printer.setDocName(document.properties().title);
  printer.setFullPage(true);
  if (!printer.outputFileName().isEmpty()) return printToFile(window, printer, document);
  if (report::paintDocument(document.document(), printer) > 0) return QString();
  return QStringLiteral("принтер не принял задание");
}

void printReportCommand(TMainForm& window) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageSize(QPageSize(QPageSize::A4));
  printer.setPageOrientation(QPageLayout::Portrait);
  QPrintDialog dialog(&printer, &window);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
  dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
  if (dialog.exec() != QDialog::Accepted) return;
  const QString failure = printReportOn(window, printer);
  if (!failure.isEmpty()) {
    showMessageBox(QString::fromUtf8(text::kNotPrinted).arg(failure));
    return;
  }
  const QString where =
      printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
  window.Result->showNotice(QString::fromUtf8(text::kReportPrinted).arg(where));
}

}  // namespace ui
