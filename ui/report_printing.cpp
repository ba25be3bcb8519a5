// Printing the report through QtPrintSupport, painted as the PDF is.
#include "ui/report_printing.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>

#include "report/document_painter.h"
#include "ui/command_captions.h"
#include "ui/main_form.h"
#include "ui/message_sink.h"
#include "ui/report_saving.h"
#include "ui/result_line.h"

namespace ui {

QString printReportOn(TMainForm& window, QPrinter& printer) {
  const report::DocumentModel document = windowReport(window);
  printer.setDocName(document.properties().title);
  printer.setFullPage(true);
  if (report::paintDocument(document, printer) > 0) return QString();
  return printer.outputFileName().isEmpty()
             ? QStringLiteral("принтер не принял задание")
             : QStringLiteral("не удалось записать файл «%1»").arg(printer.outputFileName());
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
