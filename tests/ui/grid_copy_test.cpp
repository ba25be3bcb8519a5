// Copying the results grid: the selection, or the whole grid, as tab-separated text.
#include "ui/results/grid_copy.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QTest>

#include "ui/layout_scale.h"
#include "ui/results/result_grid.h"

namespace ui_test {
namespace {

// A grid of 3 rows below the header; cell (column, row) reads "c<column>r<row>",
// except (10, 3) which stays empty, like the summary row's cells.
class GridCopyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    grid_.setGridRowCount(4);
    for (int row = 0; row < 4; ++row)
      for (int column = 0; column < engine::kTableColumns; ++column)
        if (!(column == 10 && row == 3))
          grid_.setCell(column, row, QStringLiteral("c%1r%2").arg(column).arg(row).toStdString());
    QApplication::clipboard()->clear();
    grid_.show();
    grid_.activateWindow();
    grid_.setFocus();
  }

  // Selects the widget cells of grid rows `top`..`bottom` (from 1) and columns `left`..`right`.
  void select(int top, int left, int bottom, int right) {
    const QItemSelection range(grid_.model()->index(top - 1, left),
                               grid_.model()->index(bottom - 1, right));
    grid_.selectionModel()->select(range, QItemSelectionModel::Select);
  }

  void pressCopy() { QTest::keyClick(&grid_, Qt::Key_C, Qt::ControlModifier); }

  ui::ResultGrid grid_{ui::LayoutScale(1.0), nullptr};
};

TEST_F(GridCopyTest, CtrlCCopiesTheSelectedCellsAsRowsOfTabs) {
  select(1, 2, 2, 4);
  pressCopy();
  EXPECT_EQ(QApplication::clipboard()->text(), "c2r1\tc3r1\tc4r1\nc2r2\tc3r2\tc4r2\n");
}

TEST_F(GridCopyTest, CellsBetweenSeparateSelectionsAreEmpty) {
  select(1, 0, 1, 0);
  select(3, 9, 3, 10);
  pressCopy();
  const QString tabs9 = QString(9, QLatin1Char('\t'));
  EXPECT_EQ(QApplication::clipboard()->text(),
            "c0r1" + tabs9 + "\t\n" +                     // row 1: only column 0
                QString(9, QLatin1Char('\t')) + "\t\n" +  // row 2: nothing selected
                tabs9 + "c9r3\t\n");                      // row 3: column 9, and the empty 10
}

TEST_F(GridCopyTest, NothingSelectedCopiesTheWholeGridWithItsHeader) {
  pressCopy();
  QString expected;
  for (int row = 0; row < 4; ++row) {
    QStringList cells;
    for (int column = 0; column < engine::kTableColumns; ++column)
      cells << (column == 10 && row == 3 ? QString()
                                         : QStringLiteral("c%1r%2").arg(column).arg(row));
    expected += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
  }
  EXPECT_EQ(QApplication::clipboard()->text(), expected);
}

TEST_F(GridCopyTest, ContextMenuCommandCopiesTheSameText) {
  select(2, 5, 3, 6);
  ASSERT_TRUE(grid_.copyAction()->text().startsWith(QString::fromUtf8(ui::kCopyCells)));
  grid_.copyAction()->trigger();
  EXPECT_EQ(QApplication::clipboard()->text(), "c5r2\tc6r2\nc5r3\tc6r3\n");
}

TEST_F(GridCopyTest, CellsCanBeSelectedButNotEdited) {
  select(1, 1, 1, 1);
  EXPECT_TRUE(grid_.selectionModel()->isSelected(grid_.model()->index(0, 1)));
  // A cell with text, and an empty one.
  for (const auto& [row, column] : {std::pair{0, 1}, {2, 10}}) {
    grid_.setCurrentIndex(grid_.model()->index(row, column));
    QTest::keyClick(&grid_, Qt::Key_F2);
    QTest::keyClicks(&grid_, "9");
    QTest::mouseDClick(grid_.viewport(), Qt::LeftButton, {},
                       grid_.visualRect(grid_.model()->index(row, column)).center());
    EXPECT_TRUE(grid_.findChildren<QLineEdit*>().isEmpty()) << row << ',' << column;
  }
  EXPECT_EQ(grid_.cell(1, 1), "c1r1");
  EXPECT_EQ(grid_.cell(10, 3), "");
}

}  // namespace
}  // namespace ui_test
