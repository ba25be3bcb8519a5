// The first sheet of a workbook as rows of cell texts, and how they are gathered.
#pragma once

#include <QString>
#include <cstdint>
#include <string>
#include <vector>

namespace ui {

// Row r of the sheet (from 1) at index r - 1, so that row numbers stay the
// sheet's own; empty rows are empty vectors; no row ends in an empty cell.
// Texts are UTF-8, numbers as the file stores them ("167.2").
using SheetCells = std::vector<std::vector<std::string>>;

struct SheetRead {
  SheetCells rows;
  QString error;  // empty when the sheet was read
};

// Beyond these a sheet is refused rather than cut: no table of measurements
// comes near them, and a crafted file cannot make the rows fill memory.
inline constexpr int64_t kMaxSheetRows = 100000;
inline constexpr int64_t kMaxSheetColumns = 1000;

// Collects cells in any order of rows and columns (0-based), filling the gaps
// with empty texts; empty texts are never stored, so trailing gaps cost nothing.
class SheetBuilder {
 public:
  // False, and nothing stored, when the cell lies beyond the limits.
  bool set(int64_t row, int64_t column, std::string text);
  // Row `row` again in the `count - 1` rows after it; false beyond the limits.
  bool repeatRow(int64_t row, int64_t count);
  SheetCells take() { return std::move(rows_); }

 private:
  SheetCells rows_;
};

}  // namespace ui
