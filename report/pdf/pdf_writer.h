// Writes a document as a PDF file through Qt's own PDF output, fonts embedded.
#pragma once

#include <QByteArray>

#include "engine/document/text_document.h"
#include "report/model/document_properties.h"

namespace report {

// The whole PDF file in memory: A4 pages laid out as the .docx is. Throws std::runtime_error
// when Qt's PDF output fails.
QByteArray pdfBytes(const engine::TextDocument& document, const DocumentProperties& properties);

}  // namespace report
