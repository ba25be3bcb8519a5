// The cells of the results grid, kept apart from whatever shows them.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/table_shape.h"

namespace engine {

// kTableColumns columns and a row count. Cells are addressed (column, row)
// from 0. A cell set in a row beyond the row count is kept and shows once the
// row count grows to include it; shrinking the count forgets nothing.
class GridStore {
 public:
  // Far above the 22 rows a run uses; a runaway caller cannot exhaust memory.
  static constexpr int32_t kMaxRows = 4096;
  using Row = std::array<std::string, kTableColumns>;

  explicit GridStore(int32_t rows);

  int32_t rowCount() const { return rowCount_; }
  // Clamped to 0..kMaxRows.
  void setRowCount(int32_t rows);
  // Ignored outside the columns or outside 0..kMaxRows-1.
  void setCell(int32_t column, int32_t row, const std::string& text);
  // Text of a cell; "" for a cell never set or outside the rows that exist now.
  const std::string& cell(int32_t column, int32_t row) const;
  // The rows that exist now, cells set beyond them left out.
  std::vector<Row> rows() const;

 private:
  int32_t rowCount_;
  std::vector<Row> cells_;  // grows to the highest row set, independent of rowCount_
};

}  // namespace engine
