// The results grid view: its starting rows, its designed column widths and how they give way to
// texts that need more room.
#include "ui/results/result_grid.h"

#include <gtest/gtest.h>

#include <QHeaderView>
#include <QImage>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionViewItem>
#include <numeric>

#include "engine/critical_points.h"
#include "engine/process_file.h"
#include "engine/recorded_view.h"
#include "ui/layout_scale.h"
#include "ui/main_window/main_layout.h"
#include "ui/results/column_share.h"

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

TEST(ShareColumns, EveryColumnGetsAtLeastWhatItNeedsAndTheOthersShareTheRest) {
  const struct {
    const char* name;
    std::vector<int> designed, needed;
    int room;
    std::vector<int> widths;
  } cases[] = {
      // In the designed proportions, edges rounded, while the needs fit the shares.
      {"no needs", {64, 64, 65}, {}, 386, {128, 128, 130}},
      {"needs within the shares", {64, 64, 65}, {100, 128, 100}, 386, {128, 128, 130}},
      {"one needs more", {10, 10, 10}, {0, 20, 0}, 30, {5, 20, 5}},
      // Once the second keeps 14, the first's share of the rest (8) is short of its 9.
      {"one need makes another short", {10, 10, 10}, {9, 14, 0}, 30, {9, 14, 7}},
      {"needs beyond the room", {10, 10}, {20, 20}, 30, {20, 20}},
      {"a column drawn without width", {0, 10}, {5, 0}, 20, {5, 15}},
      {"no room", {10, 10}, {3, 0}, 0, {3, 0}},
      {"no columns", {}, {}, 100, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::vector<int> widths = ui::shareColumns(c.designed, c.needed, c.room);
    EXPECT_EQ(widths, c.widths);
    for (size_t i = 0; i < c.needed.size() && i < widths.size(); ++i)
      EXPECT_GE(widths[i], c.needed[i]) << i;
  }
}

// Whether the grid's delegate draws the text of `index` whole in a cell `width` wide: the cell is
// painted once at that width and once far wider, and the two must agree over the narrow one
// (an elided text ends in "…" where the whole one has its last digits).
bool drawnWhole(const ui::ResultGrid& grid, const QModelIndex& index, int width, int height) {
  QStyleOptionViewItem option;
  option.initFrom(&grid);
  option.widget = &grid;
  option.font = grid.font();
  option.fontMetrics = QFontMetrics(grid.font());
  option.state = QStyle::State_Enabled | QStyle::State_Active;
  const auto paint = [&](int cellWidth) {
    QImage image(width + 400, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    option.rect = QRect(0, 0, cellWidth, height);
    grid.itemDelegate()->paint(&painter, option, index);
    return image.copy(0, 0, width, height);
  };
  return paint(width) == paint(width + 400);
}

// The grid of the shipped sample at `factor`, in the font the windows take there, laid out as
// the main window lays it out at its designed size.
class SampleGrid {
 public:
  explicit SampleGrid(double factor)
      : scale_(factor, ui::fittingFont(factor, ui::formFontFamilies(), ui::fixedTexts())),
        grid_(scale_, nullptr) {
    engine::AnalysisState state;
    engine::RecordedView view;
    engine::loadCriticalPoints(TARNEK_DATA_DIR "/exttable.txt", state.CriticalPoints, view);
    state.FileName = TARNEK_DATA_DIR "/Input.txt";
    engine::ProcessFile(state, view, '.');
    grid_.setFont(scale_.font());
    grid_.setGridRowCount(static_cast<int>(view.gridRows().size()));
    for (size_t row = 0; row < view.gridRows().size(); ++row)
      for (size_t column = 0; column < view.gridRows()[row].size(); ++column)
        grid_.setCell(static_cast<int>(column), static_cast<int>(row),
                      view.gridRows()[row][column]);
    grid_.setGeometry(ui::mainLayout(scale_, ui::designedClientSize(scale_)).grid);
    grid_.spreadColumns();
  }
  ui::ResultGrid& grid() { return grid_; }
  int room() const {
    return grid_.width() - 2 * grid_.frameWidth() - grid_.verticalScrollBar()->sizeHint().width();
  }

 private:
  ui::LayoutScale scale_;
  ui::ResultGrid grid_;
};

TEST(ResultGrid, EveryCellOfTheShippedSampleIsDrawnWholeOnASmallScreenToo) {
  // 1024 x 600 at 192 dpi as Qt scales it (512 x 300 logical pixels), where the type cannot
  // shrink with the layout; then the designed scale and a 1280 x 800 screen at 96 dpi.
  const double small = ui::screenFactor({96, QRect(0, 0, 512, 300)}, ui::kMainWindowMenuFrame);
  ASSERT_LT(small, 0.5);
  for (const double factor : {small, 1.0, 0.8}) {
    SCOPED_TRACE(factor);
    SampleGrid sample(factor);
    ui::ResultGrid& grid = sample.grid();
    ASSERT_GT(grid.model()->rowCount(), 8);
    int cells = 0;
    for (int row = 0; row < grid.model()->rowCount(); ++row)
      for (int column = 0; column < grid.model()->columnCount(); ++column) {
        const QModelIndex index = grid.model()->index(row, column);
        if (index.data().toString().isEmpty()) continue;
        ++cells;
        // The grid line takes the cell's last pixel column and row.
        EXPECT_TRUE(drawnWhole(grid, index, grid.columnWidth(column) - 1, grid.rowHeight(row) - 1))
            << index.data().toString().toStdString() << " in column " << column + 1 << ", "
            << grid.columnWidth(column) << " px";
      }
    EXPECT_GT(cells, 60);
    // The columns still fill the grid exactly: nothing to scroll sideways.
    int widths = 0;
    for (int column = 0; column < grid.model()->columnCount(); ++column)
      widths += grid.columnWidth(column);
    EXPECT_EQ(widths, sample.room());
  }
}

TEST(ResultGrid, ColumnsThatNeedNoMoreRoomShareTheGridInTheirDesignedProportions) {
  SampleGrid sample(1.0);
  const ui::ResultGrid& grid = sample.grid();
  std::vector<int> designed;
  for (int column = 0; column < engine::kTableColumns; ++column)
    designed.push_back(column == 2 ? 65 : column == 4 ? 63 : 64);
  const int total = std::accumulate(designed.begin(), designed.end(), 0);
  for (int column = 0; column < engine::kTableColumns; ++column)
    EXPECT_NEAR(grid.columnWidth(column), 1.0 * sample.room() * designed[column] / total, 1.0)
        << column;
}

}  // namespace
}  // namespace ui_test
