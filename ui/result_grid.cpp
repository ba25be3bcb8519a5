// The results grid on a QTableWidget whose horizontal header is row 0.
#include "result_grid.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <algorithm>

#include "grid_copy.h"

namespace ui {

namespace {

constexpr std::array<int, ResultGrid::kColumns> kColumnWidths = {64, 64, 65, 64, 63, 64,
                                                                 64, 64, 64, 64, 64};
constexpr int kRowHeight = 24;
// Far above the 22 rows a run uses; a runaway caller cannot exhaust memory.
constexpr int kMaxRows = 4096;

QTableWidgetItem* readOnlyItem() {
  auto* item = new QTableWidgetItem;
  item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
  return item;
}

}  // namespace

ResultGrid::ResultGrid(const LayoutScale& scale, QWidget* parent)
    : QTableWidget(kInitialRows - 1, kColumns, parent),
      cells_(static_cast<size_t>(kInitialRows)) {
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setWordWrap(false);
  setCornerButtonEnabled(false);
  verticalHeader()->hide();

  // The key is shown after a tab, as Qt's own edit menus show it; keyPressEvent handles it.
  copyAction_ = new QAction(QString::fromUtf8(kCopyCells) + QLatin1Char('\t') +
                                QKeySequence(QKeySequence::Copy).toString(QKeySequence::NativeText),
                            this);
  connect(copyAction_, &QAction::triggered, this, [this] { copyGridToClipboard(*this); });

  QHeaderView* header = horizontalHeader();
  header->setSectionsClickable(false);
  header->setHighlightSections(false);
  header->setMinimumSectionSize(1);
  header->setSectionResizeMode(QHeaderView::Fixed);
  header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  header->setFixedHeight(scale.px(kRowHeight));
  for (int column = 0; column < kColumns; ++column) {
    header->resizeSection(column, scale.px(kColumnWidths[static_cast<size_t>(column)]));
    setHorizontalHeaderItem(column, new QTableWidgetItem);
  }

  QHeaderView* rows = verticalHeader();
  rows->setMinimumSectionSize(1);
  rows->setSectionResizeMode(QHeaderView::Fixed);
  rows->setDefaultSectionSize(scale.px(kRowHeight));
}

void ResultGrid::setGridRowCount(int rows) {
  rows = std::clamp(rows, 1, kMaxRows);
  if (rows == rowCount_) return;
  const int oldCount = rowCount_;
  rowCount_ = rows;
  setRowCount(rows - 1);
  for (int row = oldCount; row < rows; ++row)
    for (int column = 0; column < kColumns; ++column) showCell(column, row);
}

void ResultGrid::setCell(int column, int row, const QString& text) {
  if (column < 0 || column >= kColumns || row < 0 || row >= kMaxRows) return;
  if (static_cast<size_t>(row) >= cells_.size()) cells_.resize(static_cast<size_t>(row) + 1);
  cells_[static_cast<size_t>(row)][static_cast<size_t>(column)] = text;
  if (row < rowCount_) showCell(column, row);
}

QString ResultGrid::cell(int column, int row) const {
  if (column < 0 || column >= kColumns || row < 0 || static_cast<size_t>(row) >= cells_.size())
    return {};
  return cells_[static_cast<size_t>(row)][static_cast<size_t>(column)];
}

void ResultGrid::showCell(int column, int row) {
  const QString text = cell(column, row);
  if (row == 0) {
    horizontalHeaderItem(column)->setText(text);
    return;
  }
  QTableWidgetItem* target = item(row - 1, column);
  if (target == nullptr) {
    if (text.isEmpty()) return;
    target = readOnlyItem();
    setItem(row - 1, column, target);
  }
  target->setText(text);
}

void ResultGrid::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Copy)) {
    copyGridToClipboard(*this);
    event->accept();
    return;
  }
  QTableWidget::keyPressEvent(event);
}

void ResultGrid::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  menu.addAction(copyAction_);
  menu.exec(event->globalPos());
  event->accept();
}

}  // namespace ui
