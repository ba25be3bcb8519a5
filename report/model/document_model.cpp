// The in-process document: the editing operations behind the automation layer.
#include "report/model/document_model.h"

namespace report {

QString Paragraph::text() const {
  QString result;
  for (const Run& run : runs) result += run.text;
  return result;
}

DocumentModel::DocumentModel() : blocks_{Paragraph{}} {}

bool DocumentModel::isValid(const InsertionPoint& at) const {
  if (at.block < 0 || at.block >= static_cast<int32_t>(blocks_.size())) return false;
  const Table* table = std::get_if<Table>(&blocks_[at.block]);
  if (!at.inTable()) return table == nullptr;
  if (table == nullptr || at.row >= table->rows || at.column < 0 || at.column >= table->columns)
    return false;
  const TableCell& cell = table->cell(at.row, at.column);
  return at.paragraph >= 0 && at.paragraph < static_cast<int32_t>(cell.paragraphs.size());
}

Paragraph& DocumentModel::currentParagraph() {
  Block& block = blocks_[point_.block];
  if (!point_.inTable()) return std::get<Paragraph>(block);
  return std::get<Table>(block).cell(point_.row, point_.column).paragraphs[point_.paragraph];
}

void DocumentModel::emptySelectedCell() {
  if (!point_.wholeCell) return;
  std::get<Table>(blocks_[point_.block]).cell(point_.row, point_.column) = TableCell{};
  point_.paragraph = 0;
  point_.wholeCell = false;
}

void DocumentModel::appendRun(Run run) {
  emptySelectedCell();
  Paragraph& paragraph = currentParagraph();
  if (run.picture < 0 && !paragraph.runs.empty() && paragraph.runs.back().picture < 0 &&
      paragraph.runs.back().format == run.format) {
    paragraph.runs.back().text += run.text;
  } else {
    paragraph.runs.push_back(std::move(run));
  }
}

void DocumentModel::insertPicture(Picture picture) {
  pictures_.push_back(std::move(picture));
  Run run;
  run.picture = static_cast<int32_t>(pictures_.size()) - 1;
  appendRun(std::move(run));
}

void DocumentModel::typeText(const QString& text) {
  if (text.isEmpty()) {
    emptySelectedCell();
    return;
  }
  Run run;
  run.text = text;
  run.format = font_;
  appendRun(std::move(run));
}

void DocumentModel::typeParagraph() {
  emptySelectedCell();
  if (point_.inTable()) {
    auto& paragraphs =
        std::get<Table>(blocks_[point_.block]).cell(point_.row, point_.column).paragraphs;
    paragraphs.insert(paragraphs.begin() + point_.paragraph + 1, Paragraph{});
    ++point_.paragraph;
  } else {
    blocks_.insert(blocks_.begin() + point_.block + 1, Paragraph{});
    ++point_.block;
  }
}

QString DocumentModel::addTable(const InsertionPoint& at, int32_t rows, int32_t columns) {
  if (!isValid(at)) return QStringLiteral("диапазон вне документа");
  if (at.inTable()) return QStringLiteral("таблица внутри таблицы не поддерживается");
  if (rows < 1 || rows > kMaxTableRows || columns < 1 || columns > kMaxTableColumns)
    return QStringLiteral("недопустимый размер таблицы %1 × %2").arg(rows).arg(columns);

  int32_t before = at.block;
  if (!std::get<Paragraph>(blocks_[before]).isEmpty()) {
    blocks_.insert(blocks_.begin() + before + 1, Paragraph{});
    ++before;
  }
  Table table;
  table.rows = rows;
  table.columns = columns;
  table.cells.resize(static_cast<size_t>(rows) * static_cast<size_t>(columns));
  blocks_.insert(blocks_.begin() + before, std::move(table));

  point_ = InsertionPoint{};
  point_.block = before;
  point_.row = 0;
  point_.column = 0;
  return QString();
}

int32_t DocumentModel::tableCount() const {
  int32_t count = 0;
  for (const Block& block : blocks_) count += std::holds_alternative<Table>(block) ? 1 : 0;
  return count;
}

int32_t DocumentModel::tableBlock(int32_t index) const {
  if (index < 0) return -1;
  for (size_t i = 0; i < blocks_.size(); ++i) {
    if (std::holds_alternative<Table>(blocks_[i]) && index-- == 0) return static_cast<int32_t>(i);
  }
  return -1;
}

const Table* DocumentModel::table(int32_t index) const {
  const int32_t block = tableBlock(index);
  return block < 0 ? nullptr : &std::get<Table>(blocks_[block]);
}

bool DocumentModel::selectCell(int32_t index, int32_t row, int32_t column) {
  const int32_t block = tableBlock(index);
  if (block < 0) return false;
  const Table& table = std::get<Table>(blocks_[block]);
  if (row < 0 || row >= table.rows || column < 0 || column >= table.columns) return false;
  point_ = InsertionPoint{};
  point_.block = block;
  point_.row = row;
  point_.column = column;
  point_.wholeCell = true;
  return true;
}

bool DocumentModel::moveDownOneLine() {
  if (point_.inTable()) {
    const Table& table = std::get<Table>(blocks_[point_.block]);
    const int32_t lastParagraph =
        static_cast<int32_t>(table.cell(point_.row, point_.column).paragraphs.size()) - 1;
    if (point_.wholeCell) {
      point_.paragraph = lastParagraph;
      point_.wholeCell = false;
    }
    if (point_.paragraph < lastParagraph) {
      ++point_.paragraph;
      return true;
    }
    if (point_.row + 1 < table.rows) {
      ++point_.row;
      point_.paragraph = 0;
      return true;
    }
  }
  // Below the paragraph or the table's last row: the next block, if any.
  const int32_t next = point_.block + 1;
  if (next >= static_cast<int32_t>(blocks_.size())) return false;
  point_ = InsertionPoint{};
  point_.block = next;
  if (std::holds_alternative<Table>(blocks_[next])) {
    point_.row = 0;
    point_.column = 0;
  }
  return true;
}

int32_t DocumentModel::moveDown(int32_t count) {
  int32_t moved = 0;
  while (moved < count && moveDownOneLine()) ++moved;
  return moved;
}

}  // namespace report
