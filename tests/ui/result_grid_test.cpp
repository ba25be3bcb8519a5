// The results grid view: its starting rows and its designed column widths.
#include "ui/result_grid.h"

#include <gtest/gtest.h>

#include <QHeaderView>

#include "ui/layout_scale.h"

namespace ui_test {
namespace {

TEST(ResultGrid, StartsWithFourRowsAndKeepsAtLeastTheHeader) {
  ui::ResultGrid grid(ui::LayoutScale(1.0), nullptr);
  EXPECT_EQ(grid.gridRowCount(), 4);
  EXPECT_EQ(grid.model()->rowCount(), 3);
  EXPECT_EQ(grid.model(), &grid.gridModel());
  grid.setGridRowCount(-5);
  EXPECT_EQ(grid.gridRowCount(), 1);
  EXPECT_EQ(grid.model()->rowCount(), 0);
}

TEST(ResultGrid, ColumnWidthsFollowTheDesignWithTheThirdWiderAndTheFifthNarrower) {
  ui::ResultGrid grid(ui::LayoutScale(1.0), nullptr);
  for (int column = 0; column < engine::kTableColumns; ++column) {
    const int expected = column == 2 ? 65 : column == 4 ? 63 : 64;
    EXPECT_EQ(grid.columnWidth(column), expected) << "column " << column;
  }
}

}  // namespace
}  // namespace ui_test
