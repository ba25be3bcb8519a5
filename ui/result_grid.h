// The results grid: 11 columns, a fixed header row, cells kept beyond the row count.
#pragma once

#include <QAction>
#include <QString>
#include <QTableWidget>
#include <array>
#include <vector>

#include "layout_scale.h"

namespace ui {

// Rows are counted from 0 with row 0 as the header row, which the table's
// horizontal header shows so that it stays in view while the rows scroll.
// Cells can be selected, not edited; Ctrl+C and the context menu copy them.
class ResultGrid : public QTableWidget {
  Q_OBJECT

 public:
  static constexpr int kColumns = 11;
  static constexpr int kInitialRows = 4;

  ResultGrid(const LayoutScale& scale, QWidget* parent);

  int gridRowCount() const { return rowCount_; }
  // At least the header row remains.
  void setGridRowCount(int rows);
  // A cell in a row beyond the row count is kept and shows once the count includes it.
  void setCell(int column, int row, const QString& text);
  // "" for a cell never set or outside the columns.
  QString cell(int column, int row) const;
  // The context menu's copy command.
  QAction* copyAction() const { return copyAction_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  using Row = std::array<QString, kColumns>;

  void showCell(int column, int row);

  QAction* copyAction_ = nullptr;
  int rowCount_ = kInitialRows;
  std::vector<Row> cells_;
};

}  // namespace ui
