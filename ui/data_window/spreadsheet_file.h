// Telling a workbook from a text file, and reading the first sheet of either kind of workbook.
#pragma once

#include <QByteArray>
#include <QString>

#include "ui/data_window/sheet_cells.h"

namespace ui {

// True for bytes that start as a ZIP container does, as .xlsx and .ods files do.
bool looksLikeWorkbook(const QByteArray& bytes);

// True for a regular file at `path` that starts as a workbook does.
bool isWorkbookFile(const QString& path);

// The first sheet of the .ods or .xlsx workbook in `bytes`, told apart by
// their contents, not by a file name.
SheetRead readFirstSheet(const QByteArray& bytes);

}  // namespace ui
