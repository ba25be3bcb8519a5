// Copying the results grid as tab-separated text, which spreadsheets paste as a table.
#include "ui/results/grid_copy.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <algorithm>
#include <climits>

#include "ui/results/result_grid.h"

namespace ui {

QString gridCopyText(const ResultGrid& grid) {
  // Widget rows are grid rows from 1: row 0 is the horizontal header.
  int top = 0, bottom = grid.gridRowCount() - 1, left = 0, right = grid.model()->columnCount() - 1;
  const QModelIndexList selected = grid.selectionModel()->selectedIndexes();
  if (!selected.isEmpty()) {
    top = left = INT_MAX;
    bottom = right = -1;
    for (const QModelIndex& index : selected) {
      top = std::min(top, index.row() + 1);
      bottom = std::max(bottom, index.row() + 1);
      left = std::min(left, index.column());
      right = std::max(right, index.column());
    }
  }
  QString text;
  for (int row = top; row <= bottom; ++row) {
    for (int column = left; column <= right; ++column) {
      if (column > left) text += QLatin1Char('\t');
      const bool shown = selected.isEmpty() ||
                         grid.selectionModel()->isSelected(grid.model()->index(row - 1, column));
      if (shown) text += grid.cell(column, row);
    }
    text += QLatin1Char('\n');
  }
  return text;
}

void copyGridToClipboard(const ResultGrid& grid) {
  QGuiApplication::clipboard()->setText(gridCopyText(grid));
}

}  // namespace ui
