// The first sheet of an OpenDocument spreadsheet (.ods) as rows of cell texts.
#pragma once

#include "ui/data_window/sheet_cells.h"
#include "ui/data_window/zip_parts.h"

namespace ui {

// Reads the first table of content.xml. A number, percentage or currency cell
// gives its stored value ("167.2"), a date or time its stored value, a
// boolean "TRUE" or "FALSE", anything else its text; notes are left out.
// Repeated rows and cells are expanded only where something follows them.
SheetRead readOdsFirstSheet(const ZipParts& package);

}  // namespace ui
