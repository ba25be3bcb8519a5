// The results grid: a table view over the grid model, whose row 0 is the header.
#pragma once

#include <QAction>
#include <QString>
#include <QTableView>
#include <string>
#include <vector>

#include "ui/layout_scale.h"
#include "ui/results/grid_model.h"

namespace ui {

// Rows are counted from 0 with row 0 as the header row, which the table's
// horizontal header shows so that it stays in view while the rows scroll.
// Cells can be selected, not edited; Ctrl+C and the context menu copy them.
class ResultGrid : public QTableView {
  Q_OBJECT

 public:
  static constexpr int kInitialRows = 4;

  ResultGrid(const LayoutScale& scale, QWidget* parent);

  int gridRowCount() const { return model_->gridRowCount(); }
  // At least the header row remains.
  void setGridRowCount(int rows) { model_->setGridRowCount(rows); }
  // A cell in a row beyond the row count is kept and shows once the count includes it.
  void setCell(int column, int row, const std::string& text) { model_->setCell(column, row, text); }
  // "" for a cell never set or outside the grid.
  QString cell(int column, int row) const { return model_->cell(column, row); }
  const GridModel& gridModel() const { return *model_; }
  // The columns share the grid's whole width in their designed proportions, the
  // vertical scroll bar's room kept, so wider numbers fit and a wider grid is
  // filled; a column whose texts need more than its share (at a small screen's
  // scale, in the smallest readable type) takes it from the others. Called when
  // the grid's size or its texts change.
  void spreadColumns();
  // The width `column` needs so that none of its texts, the header's included, is cut short:
  // the widest text in the grid's font with the cell's own margins and grid line.
  int neededColumnWidth(int column) const;
  // The context menu's copy command.
  QAction* copyAction() const { return copyAction_; }

 signals:
  // The cells went to the clipboard, by Ctrl+C or a menu's copy command.
  void copied();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  GridModel* model_ = nullptr;
  std::vector<int> designedWidths_;
  QAction* copyAction_ = nullptr;
};

}  // namespace ui
