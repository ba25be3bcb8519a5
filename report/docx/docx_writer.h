// Writes a DocumentModel as an Office Open XML word-processing file (.docx).
#pragma once

#include <QByteArray>
#include <QString>

#include "report/model/document_model.h"
#include "report/docx/document_writer.h"
#include "report/docx/docx_defaults.h"

namespace report {

// The whole .docx file in memory. Throws std::runtime_error if the ZIP library fails.
QByteArray docxBytes(const DocumentModel& document);

// The version of the ZIP library the writer runs on, for the about box.
QString zipLibraryVersion();

}  // namespace report
