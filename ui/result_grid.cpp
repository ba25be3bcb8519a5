// The results grid on a QTableView whose horizontal header is row 0.
#include "ui/result_grid.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <array>

#include "ui/grid_copy.h"

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
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
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
  for (int column = 0; column < engine::kTableColumns; ++column)
    header->resizeSection(column, scale.px(kColumnWidths[static_cast<size_t>(column)]));

  QHeaderView* rows = verticalHeader();
  rows->setMinimumSectionSize(1);
  rows->setSectionResizeMode(QHeaderView::Fixed);
  rows->setDefaultSectionSize(scale.px(kRowHeight));
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
