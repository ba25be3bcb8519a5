// The formats a report is saved in, and the bytes of a document in each.
#pragma once

#include <QByteArray>
#include <QString>

#include "report/model/document_model.h"

namespace report {

enum class ReportFormat { Docx, Pdf };

// By the name's suffix, in any case: ".pdf" is PDF, everything else a Word document.
ReportFormat reportFormatForPath(const QString& path);

// ".docx" or ".pdf".
QString reportSuffix(ReportFormat format);

// The whole file. Throws std::runtime_error when the writer fails.
QByteArray reportBytes(const DocumentModel& document, ReportFormat format);

}  // namespace report
