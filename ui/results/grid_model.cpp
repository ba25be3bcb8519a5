// The results grid as a Qt table model over the engine's grid store.
#include "ui/results/grid_model.h"

#include <algorithm>
#include <array>

#include "engine/column_descriptions.h"
#include "engine/document/document_html.h"

namespace ui {

namespace {

// The column's meaning and formula, from the same text as the worked solution's table.
QString columnToolTip(int column) {
  static const std::array<QString, engine::kTableColumns> tips = [] {
    std::array<QString, engine::kTableColumns> texts;
    for (int i = 0; i < engine::kTableColumns; ++i)
      texts[static_cast<size_t>(i)] =
          QStringLiteral("<qt>") +
          QString::fromStdString(engine::htmlRuns(engine::columnTooltip(i))) +
          QStringLiteral("</qt>");
    return texts;
  }();
  return column >= 0 && column < engine::kTableColumns ? tips[static_cast<size_t>(column)]
                                                       : QString();
}

}  // namespace

GridModel::GridModel(int rows, QObject* parent)
    : QAbstractTableModel(parent), store_(std::max(rows, 1)) {}

void GridModel::setGridRowCount(int rows) {
  rows = std::clamp(rows, 1, engine::GridStore::kMaxRows);
  const int old = store_.rowCount();
  if (rows == old) return;
  // Model rows are grid rows less the header row.
  if (rows > old) {
    beginInsertRows(QModelIndex(), old - 1, rows - 2);
    store_.setRowCount(rows);
    endInsertRows();
  } else {
    beginRemoveRows(QModelIndex(), rows - 1, old - 2);
    store_.setRowCount(rows);
    endRemoveRows();
  }
}

void GridModel::setCell(int column, int row, const std::string& text) {
  store_.setCell(column, row, text);
  if (column < 0 || column >= engine::kTableColumns || row < 0 || row >= store_.rowCount()) return;
  if (row == 0) {
    emit headerDataChanged(Qt::Horizontal, column, column);
  } else {
    const QModelIndex changed = index(row - 1, column);
    emit dataChanged(changed, changed, {Qt::DisplayRole});
  }
}

QString GridModel::cell(int column, int row) const {
  const std::string& text = store_.cell(column, row);
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

int GridModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : store_.rowCount() - 1;
}

int GridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : engine::kTableColumns;
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || role != Qt::DisplayRole) return {};
  return cell(index.column(), index.row() + 1);
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Horizontal && role == Qt::DisplayRole) return cell(section, 0);
  if (orientation == Qt::Horizontal && role == Qt::ToolTipRole) return columnToolTip(section);
  return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

}  // namespace ui
