// One document, two writers: the .docx and the PDF read the same model.
#include "report/content/report_format.h"

#include "report/docx/docx_writer.h"
#include "report/pdf/pdf_writer.h"

namespace report {

ReportFormat reportFormatForPath(const QString& path) {
  return path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive) ? ReportFormat::Pdf
                                                                   : ReportFormat::Docx;
}

QString reportSuffix(ReportFormat format) {
  return format == ReportFormat::Pdf ? QStringLiteral(".pdf") : QStringLiteral(".docx");
}

QByteArray reportBytes(const DocumentModel& document, ReportFormat format) {
  return format == ReportFormat::Pdf ? pdfBytes(document.document(), document.properties())
                                     : docxBytes(document.document(), document.properties());
}

}  // namespace report
