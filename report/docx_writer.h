// Writes a DocumentModel as an Office Open XML word-processing file (.docx).
#pragma once

#include <QByteArray>
#include <QString>

#include "document_model.h"
#include "docx_defaults.h"

namespace report {

// The whole .docx file in memory. Throws std::runtime_error if the ZIP library fails.
QByteArray docxBytes(const DocumentModel& document);

// The text as it goes into a w:t element: characters that XML 1.0 forbids (most controls,
// lone surrogates, U+FFFE, U+FFFF) dropped. Tabs and line breaks are kept for the caller.
QString xmlSafeText(const QString& text);

}  // namespace report
