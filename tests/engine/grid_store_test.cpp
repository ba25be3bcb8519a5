// The grid store keeps cells beyond its row count and shows them once the count includes them.
#include "engine/grid_store.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace engine {
namespace {

struct GridStep {
  enum Kind { SetCell, SetRows } kind;
  int32_t column;
  int32_t row;  // or the row count for SetRows
  const char* text;
};

struct GridCase {
  const char* name;
  std::vector<GridStep> steps;
  int32_t column;
  int32_t row;
  const char* shown;  // what cell() reads afterwards
};

void PrintTo(const GridCase& param, std::ostream* out) { *out << param.name; }

class GridStoreCells : public ::testing::TestWithParam<GridCase> {};

TEST_P(GridStoreCells, ReadsWhatWasSetOnceTheRowExists) {
  GridStore grid(4);
  for (const GridStep& step : GetParam().steps) {
    if (step.kind == GridStep::SetCell)
      grid.setCell(step.column, step.row, step.text);
    else
      grid.setRowCount(step.row);
  }
  EXPECT_EQ(grid.cell(GetParam().column, GetParam().row), GetParam().shown);
  // rows() agrees with cell() for every row that exists.
  const auto rows = grid.rows();
  ASSERT_EQ(rows.size(), static_cast<size_t>(grid.rowCount()));
  if (GetParam().row >= 0 && GetParam().row < grid.rowCount() && GetParam().column >= 0 &&
      GetParam().column < kTableColumns) {
    EXPECT_EQ(rows[static_cast<size_t>(GetParam().row)][static_cast<size_t>(GetParam().column)],
              GetParam().shown);
  }
}

using S = GridStep;
INSTANTIATE_TEST_SUITE_P(
    Steps, GridStoreCells,
    ::testing::Values(
        GridCase{"VisibleCell", {{S::SetCell, 2, 3, "x"}}, 2, 3, "x"},
        GridCase{"BeyondCountReadsEmpty", {{S::SetCell, 3, 9, "8.5"}}, 3, 9, ""},
        GridCase{"BeyondCountShownWhenGrown",
                 {{S::SetCell, 3, 9, "8.5"}, {S::SetRows, 0, 10, ""}},
                 3,
                 9,
                 "8.5"},
        GridCase{"KeptThroughShrinkAndGrow",
                 {{S::SetRows, 0, 10, ""},
                  {S::SetCell, 6, 8, "s"},
                  {S::SetRows, 0, 4, ""},
                  {S::SetRows, 0, 12, ""}},
                 6,
                 8,
                 "s"},
        GridCase{"ClearedCell", {{S::SetCell, 1, 1, "a"}, {S::SetCell, 1, 1, ""}}, 1, 1, ""},
        GridCase{"ColumnOutsideIgnored", {{S::SetCell, 11, 1, "no"}}, 11, 1, ""},
        GridCase{"ColumnOutsideDoesNotWrapIntoTheNextRow", {{S::SetCell, 11, 1, "no"}}, 0, 2, ""},
        GridCase{"NegativeRowIgnored", {{S::SetCell, 0, -1, "no"}}, 0, -1, ""},
        GridCase{"RowAtTheCapIgnored",
                 {{S::SetCell, 0, GridStore::kMaxRows, "no"},
                  {S::SetRows, 0, GridStore::kMaxRows + 1, ""}},
                 0,
                 GridStore::kMaxRows,
                 ""},
        GridCase{"LastRowUnderTheCapKept",
                 {{S::SetCell, 10, GridStore::kMaxRows - 1, "last"},
                  {S::SetRows, 0, GridStore::kMaxRows, ""}},
                 10,
                 GridStore::kMaxRows - 1,
                 "last"}),
    [](const ::testing::TestParamInfo<GridCase>& info) { return info.param.name; });

TEST(GridStore, RowCountIsClampedToZeroAndTheCap) {
  const std::vector<std::pair<int32_t, int32_t>> cases = {
      {-5, 0},
      {0, 0},
      {22, 22},
      {GridStore::kMaxRows, GridStore::kMaxRows},
      {GridStore::kMaxRows + 1, GridStore::kMaxRows},
      {INT32_MAX, GridStore::kMaxRows}};
  for (const auto& [asked, kept] : cases) {
    GridStore grid(asked);
    EXPECT_EQ(grid.rowCount(), kept) << "constructed with " << asked;
    grid.setRowCount(4);
    grid.setRowCount(asked);
    EXPECT_EQ(grid.rowCount(), kept) << "set to " << asked;
  }
}

}  // namespace
}  // namespace engine
