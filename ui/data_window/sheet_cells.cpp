// Gathering a sheet's cells into rows of texts.
#include "ui/data_window/sheet_cells.h"

namespace ui {

bool SheetBuilder::set(int64_t row, int64_t column, std::string text) {
  if (row < 0 || column < 0 || row >= kMaxSheetRows || column >= kMaxSheetColumns) return false;
  if (text.empty()) return true;
  const auto r = static_cast<size_t>(row);
  const auto c = static_cast<size_t>(column);
  if (rows_.size() <= r) rows_.resize(r + 1);
  std::vector<std::string>& cells = rows_[r];
  if (cells.size() <= c) cells.resize(c + 1);
  cells[c] = std::move(text);
  return true;
}

bool SheetBuilder::repeatRow(int64_t row, int64_t count) {
  if (row < 0 || count < 1 || row + count > kMaxSheetRows) return false;
  const auto r = static_cast<size_t>(row);
  if (rows_.size() <= r || count == 1) return true;
  const std::vector<std::string> cells = rows_[r];
  if (rows_.size() < r + static_cast<size_t>(count)) rows_.resize(r + static_cast<size_t>(count));
  for (size_t copy = r + 1; copy < r + static_cast<size_t>(count); ++copy) rows_[copy] = cells;
  return true;
}

}  // namespace ui
