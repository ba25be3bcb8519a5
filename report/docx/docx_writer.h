// Writes a document as an Office Open XML word-processing file (.docx).
#pragma once

#include <QByteArray>
#include <QString>

#include "engine/document/text_document.h"
#include "report/docx/document_writer.h"
#include "report/docx/docx_defaults.h"
#include "report/model/document_properties.h"

namespace report {

// The whole .docx file in memory. Throws std::runtime_error if the ZIP library fails.
QByteArray docxBytes(const engine::TextDocument& document, const DocumentProperties& properties);

// The version of the ZIP library the writer runs on, for the about box.
QString zipLibraryVersion();

}  // namespace report
