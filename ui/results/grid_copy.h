// Copying the results grid as tab-separated text, which spreadsheets paste as a table.
#pragma once

#include <QString>

namespace ui {

class ResultGrid;

// The context menu's item, as Qt names the standard copy command.
inline constexpr const char* kCopyCells = "Копировать";

// The grid's texts as shown, one line per row and a tab between cells: the
// bounding rectangle of the selected cells (cells inside it left unselected are
// empty), or every row of the grid, header row first, when nothing is selected.
QString gridCopyText(const ResultGrid& grid);

// Puts gridCopyText on the clipboard.
void copyGridToClipboard(const ResultGrid& grid);

}  // namespace ui
