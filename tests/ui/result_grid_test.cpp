// The results grid keeps cells beyond its row count and shows row 0 as its header.
#include <gtest/gtest.h>

#include <QHeaderView>

#include "layout_scale.h"
#include "result_grid.h"

namespace ui_test {
namespace {

struct GridStep {
  enum Kind { SetCell, SetRows } kind;
  int column;
  int row;  // or the row count for SetRows
  const char* text;
};

struct GridCase {
  const char* name;
  std::vector<GridStep> steps;
  int column;
  int row;
  const char* shown;  // nullptr: the row is not on screen
};

void PrintTo(const GridCase& param, std::ostream* out) { *out << param.name; }

class ResultGridCells : public ::testing::TestWithParam<GridCase> {};

// What the widget shows at (column, row), nullptr when the row does not exist.
const QTableWidgetItem* shownItem(const ui::ResultGrid& grid, int column, int row) {
  if (row == 0) return grid.horizontalHeaderItem(column);
  if (row - 1 >= grid.rowCount()) return nullptr;
  return grid.item(row - 1, column);
}

TEST_P(ResultGridCells, ShowsWhatWasSetOnceTheRowExists) {
  ui::ResultGrid grid(ui::LayoutScale(1.0), nullptr);
  for (const GridStep& step : GetParam().steps) {
    if (step.kind == GridStep::SetCell)
      grid.setCell(step.column, step.row, QString::fromUtf8(step.text));
    else
      grid.setGridRowCount(step.row);
  }
  const QTableWidgetItem* item = shownItem(grid, GetParam().column, GetParam().row);
  if (GetParam().shown == nullptr) {
    EXPECT_GE(GetParam().row, grid.gridRowCount());
    return;
  }
  const QString text = item != nullptr ? item->text() : QString();
  EXPECT_EQ(text, QString::fromUtf8(GetParam().shown));
  EXPECT_EQ(grid.cell(GetParam().column, GetParam().row), QString::fromUtf8(GetParam().shown));
}

using S = GridStep;
INSTANTIATE_TEST_SUITE_P(
    Steps, ResultGridCells,
    ::testing::Values(
        GridCase{"HeaderRowIsTheHeader", {{S::SetCell, 4, 0, "5"}}, 4, 0, "5"},
        GridCase{"VisibleCell", {{S::SetCell, 2, 3, "x"}}, 2, 3, "x"},
        GridCase{"BeyondCountHidden", {{S::SetCell, 3, 9, "8.5"}}, 3, 9, nullptr},
        GridCase{"BeyondCountShownWhenGrown",
                 {{S::SetCell, 3, 9, "8.5"}, {S::SetRows, 0, 10, ""}}, 3, 9, "8.5"},
        GridCase{"KeptThroughShrinkAndGrow",
                 {{S::SetRows, 0, 10, ""}, {S::SetCell, 6, 8, "s"}, {S::SetRows, 0, 4, ""},
                  {S::SetRows, 0, 12, ""}},
                 6, 8, "s"},
        GridCase{"ClearedCell", {{S::SetCell, 1, 1, "a"}, {S::SetCell, 1, 1, ""}}, 1, 1, ""},
        GridCase{"ColumnOutsideIgnored", {{S::SetCell, 11, 1, "no"}}, 10, 1, ""},
        GridCase{"NegativeRowIgnored", {{S::SetCell, 0, -1, "no"}}, 0, 1, ""}),
    [](const ::testing::TestParamInfo<GridCase>& info) { return info.param.name; });

TEST(ResultGrid, StartsWithFourRowsAndKeepsAtLeastTheHeader) {
  ui::ResultGrid grid(ui::LayoutScale(1.0), nullptr);
  EXPECT_EQ(grid.gridRowCount(), 4);
  EXPECT_EQ(grid.rowCount(), 3);
  grid.setGridRowCount(-5);
  EXPECT_EQ(grid.gridRowCount(), 1);
  EXPECT_EQ(grid.rowCount(), 0);
}

TEST(ResultGrid, ColumnWidthsFollowTheDesignWithTheThirdWiderAndTheFifthNarrower) {
  ui::ResultGrid grid(ui::LayoutScale(1.0), nullptr);
  for (int column = 0; column < ui::ResultGrid::kColumns; ++column) {
    const int expected = column == 2 ? 65 : column == 4 ? 63 : 64;
    EXPECT_EQ(grid.columnWidth(column), expected) << "column " << column;
  }
}

}  // namespace
}  // namespace ui_test
