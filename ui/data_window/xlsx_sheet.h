// The first sheet of an Office Open XML workbook (.xlsx) as rows of cell texts.
#pragma once

#include "ui/data_window/sheet_cells.h"
#include "ui/data_window/zip_parts.h"

namespace ui {

// Follows the package's relationships to the workbook, its first sheet and
// its shared strings. A number cell gives its stored text ("167.2"), a text
// cell its text, a formula its cached result, a boolean "TRUE" or "FALSE".
SheetRead readXlsxFirstSheet(const ZipParts& package);

}  // namespace ui
