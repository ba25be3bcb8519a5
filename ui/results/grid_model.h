// The results grid as a Qt table model over the engine's grid store.
#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <string>

#include "engine/grid_store.h"

namespace ui {

// Grid row 0 is the header row: headerData gives it for the horizontal header,
// and the model's rows are grid rows 1 and on. Cells are read-only.
class GridModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  GridModel(int rows, QObject* parent);

  int gridRowCount() const { return store_.rowCount(); }
  // At least the header row remains.
  void setGridRowCount(int rows);
  // A cell in a row beyond the row count is kept and shows once the count includes it.
  void setCell(int column, int row, const std::string& text);
  // "" for a cell never set or outside the grid.
  QString cell(int column, int row) const;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

 private:
  engine::GridStore store_;
};

}  // namespace ui
