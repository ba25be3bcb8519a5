// The cells of the results grid.
#include "engine/grid_store.h"

#include <algorithm>

namespace engine {

namespace {
const std::string kEmpty;
}  // namespace

GridStore::GridStore(int32_t rows) : rowCount_(0) { setRowCount(rows); }

void GridStore::setRowCount(int32_t rows) { rowCount_ = std::clamp(rows, 0, kMaxRows); }

void GridStore::setCell(int32_t column, int32_t row, const std::string& text) {
  if (column < 0 || column >= kTableColumns || row < 0 || row >= kMaxRows) return;
  if (static_cast<size_t>(row) >= cells_.size()) cells_.resize(static_cast<size_t>(row) + 1);
  cells_[static_cast<size_t>(row)][static_cast<size_t>(column)] = text;
}

const std::string& GridStore::cell(int32_t column, int32_t row) const {
  if (column < 0 || column >= kTableColumns || row < 0 || row >= rowCount_ ||
      static_cast<size_t>(row) >= cells_.size())
    return kEmpty;
  return cells_[static_cast<size_t>(row)][static_cast<size_t>(column)];
}

std::vector<GridStore::Row> GridStore::rows() const {
  std::vector<Row> shown(static_cast<size_t>(rowCount_));
  for (size_t r = 0; r < shown.size() && r < cells_.size(); ++r) shown[r] = cells_[r];
  return shown;
}

}  // namespace engine
