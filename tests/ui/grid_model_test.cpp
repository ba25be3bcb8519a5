// The grid model: grid row 0 as the horizontal header, the rest as read-only rows.
#include "ui/results/grid_model.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

namespace ui_test {
namespace {

TEST(GridModel, RowsAreGridRowsBelowTheHeaderAndAtLeastTheHeaderRemains) {
  ui::GridModel model(4, nullptr);
  struct Case {
    int asked;
    int gridRows;
  };
  for (const Case& c : {Case{4, 4}, Case{12, 12}, Case{1, 1}, Case{0, 1}, Case{-5, 1},
                        Case{engine::GridStore::kMaxRows + 1, engine::GridStore::kMaxRows}}) {
    model.setGridRowCount(c.asked);
    EXPECT_EQ(model.gridRowCount(), c.gridRows) << c.asked;
    EXPECT_EQ(model.rowCount(), c.gridRows - 1) << c.asked;
    EXPECT_EQ(model.columnCount(), engine::kTableColumns);
  }
  // A table model has no children.
  EXPECT_EQ(model.rowCount(model.index(0, 0)), 0);
  EXPECT_EQ(model.columnCount(model.index(0, 0)), 0);
}

TEST(GridModel, HeaderRowIsTheHorizontalHeaderAndCellsAreShiftedUpByOne) {
  ui::GridModel model(4, nullptr);
  model.setCell(4, 0, "5");
  model.setCell(2, 1, "первая");
  model.setCell(10, 3, "x");
  EXPECT_EQ(model.headerData(4, Qt::Horizontal).toString(), QStringLiteral("5"));
  EXPECT_EQ(model.headerData(3, Qt::Horizontal).toString(), QString());
  EXPECT_EQ(model.data(model.index(0, 2)).toString(), QStringLiteral("первая"));
  EXPECT_EQ(model.data(model.index(2, 10)).toString(), QStringLiteral("x"));
  EXPECT_EQ(model.cell(2, 1), QStringLiteral("первая"));
  // Only the displayed text is offered: no edit or other roles.
  EXPECT_FALSE(model.data(model.index(0, 2), Qt::EditRole).isValid());
  EXPECT_FALSE(model.data(QModelIndex()).isValid());
}

TEST(GridModel, CellsCanBeSelectedButNotEdited) {
  ui::GridModel model(4, nullptr);
  const Qt::ItemFlags flags = model.flags(model.index(1, 1));
  EXPECT_TRUE(flags.testFlag(Qt::ItemIsSelectable));
  EXPECT_TRUE(flags.testFlag(Qt::ItemIsEnabled));
  EXPECT_FALSE(flags.testFlag(Qt::ItemIsEditable));
  EXPECT_FALSE(model.setData(model.index(1, 1), QStringLiteral("typed")));
  EXPECT_EQ(model.flags(QModelIndex()), Qt::NoItemFlags);
}

// A view only repaints what the model announces, so each change must be announced.
TEST(GridModel, AnnouncesRowsAndCellsSoAViewShowsThem) {
  ui::GridModel model(4, nullptr);
  QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
  QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
  QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
  QSignalSpy header(&model, &QAbstractItemModel::headerDataChanged);

  model.setCell(3, 9, "8.5");  // kept beyond the count: nothing on screen changes
  EXPECT_EQ(changed.count(), 0);
  model.setGridRowCount(10);
  ASSERT_EQ(inserted.count(), 1);
  EXPECT_EQ(inserted[0][1].toInt(), 3);  // model rows 3..8 are grid rows 4..9
  EXPECT_EQ(inserted[0][2].toInt(), 8);
  EXPECT_EQ(model.data(model.index(8, 3)).toString(), QStringLiteral("8.5"));

  model.setCell(1, 2, "a");
  ASSERT_EQ(changed.count(), 1);
  EXPECT_EQ(changed[0][0].value<QModelIndex>(), model.index(1, 1));
  model.setCell(7, 0, "8");
  ASSERT_EQ(header.count(), 1);
  EXPECT_EQ(header[0][1].toInt(), 7);

  model.setGridRowCount(2);
  ASSERT_EQ(removed.count(), 1);
  EXPECT_EQ(removed[0][1].toInt(), 1);
  EXPECT_EQ(removed[0][2].toInt(), 8);
  model.setGridRowCount(2);  // no change, no signal
  EXPECT_EQ(inserted.count() + removed.count(), 2);
}

}  // namespace
}  // namespace ui_test
