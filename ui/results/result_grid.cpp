// The results grid on a QTableView whose horizontal header is row 0.
#include "ui/results/result_grid.h"

#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>
#include <array>

#include "ui/results/column_share.h"
#include "ui/results/grid_copy.h"

namespace ui {

namespace {

constexpr std::array<int, engine::kTableColumns> kColumnWidths = {64, 64, 65, 64, 63, 64,
                                                                  64, 64, 64, 64, 64};
constexpr int kRowHeight = 24;

}  // namespace

ResultGrid::ResultGrid(const LayoutScale& scale, QWidget* parent)
    : QTableView(parent), model_(new GridModel(kInitialRows, this)) {
  setModel(model_);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  // Only columns wider together than the grid, which their texts alone can make them, scroll.
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setWordWrap(false);
  setCornerButtonEnabled(false);
  verticalHeader()->hide();

  // The key is shown after a tab, as Qt's own edit menus show it; keyPressEvent handles it.
  copyAction_ = new QAction(QString::fromUtf8(kCopyCells) + QLatin1Char('\t') +
                                QKeySequence(QKeySequence::Copy).toString(QKeySequence::NativeText),
                            this);
  connect(copyAction_, &QAction::triggered, this, [this] {
    copyGridToClipboard(*this);
    emit copied();
  });

  QHeaderView* header = horizontalHeader();
  header->setSectionsClickable(false);
  header->setHighlightSections(false);
  header->setMinimumSectionSize(1);
  header->setSectionResizeMode(QHeaderView::Fixed);
  header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  header->setFixedHeight(scale.px(kRowHeight));
  for (int column = 0; column < engine::kTableColumns; ++column) {
    designedWidths_.push_back(scale.px(kColumnWidths[static_cast<size_t>(column)]));
    header->resizeSection(column, designedWidths_.back());
  }

  QHeaderView* rows = verticalHeader();
  rows->setMinimumSectionSize(1);
  rows->setSectionResizeMode(QHeaderView::Fixed);
  rows->setDefaultSectionSize(scale.px(kRowHeight));
}

void ResultGrid::spreadColumns() {
  const int room = width() - 2 * frameWidth() - verticalScrollBar()->sizeHint().width();
  if (room <= 0) return;
  std::vector<int> needed;
  needed.reserve(designedWidths_.size());
  for (int column = 0; column < static_cast<int>(designedWidths_.size()); ++column)
    needed.push_back(neededColumnWidth(column));
  const std::vector<int> widths = shareColumns(designedWidths_, needed, room);
  for (size_t column = 0; column < widths.size(); ++column)
    setColumnWidth(static_cast<int>(column), widths[column]);
}

int ResultGrid::neededColumnWidth(int column) const {
  const QFontMetrics metrics(font());
  int widest = 0;
  for (int row = 0; row < model_->gridRowCount(); ++row)
    widest = std::max(widest, metrics.horizontalAdvance(model_->cell(column, row)));
  if (widest == 0) return 0;
  // The item's text keeps this margin on each side (as the style draws it), and the grid line
  // takes a pixel from the cell.
  const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
  return widest + 2 * margin + (showGrid() ? 1 : 0);
}

void ResultGrid::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Copy)) {
    copyGridToClipboard(*this);
    emit copied();
    event->accept();
    return;
  }
  QTableView::keyPressEvent(event);
}

void ResultGrid::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  menu.addAction(copyAction_);
  menu.exec(event->globalPos());
  event->accept();
}

}  // namespace ui
