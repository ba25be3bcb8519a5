// The in-process document: the editing operations behind the automation layer.
#include "report/model/document_model.h"

namespace report {

namespace {

// The document holds UTF-8, which has no code for half a surrogate pair: such a half is not a
// character, and no writer ever put one into a file, so it is dropped as it is typed.
std::string utf8WithoutLoneSurrogates(const QString& text) {
  QString kept;
  kept.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
      kept += c;
      kept += text[++i];
    } else if (!c.isSurrogate()) {
      kept += c;
    }
  }
  return kept.toStdString();
}

}  // namespace

DocumentModel::DocumentModel() { document_.blocks.emplace_back(Paragraph{}); }

bool DocumentModel::isValid(const InsertionPoint& at) const {
  if (at.block < 0 || at.block >= static_cast<int32_t>(document_.blocks.size())) return false;
  const Table* table = std::get_if<Table>(&document_.blocks[at.block]);
  if (!at.inTable()) return table == nullptr;
  if (table == nullptr || at.row >= table->rowCount() || at.column < 0 ||
      at.column >= table->columnCount())
    return false;
  const TableCell& cell = table->cell(at.row, at.column);
  return at.paragraph >= 0 && at.paragraph < static_cast<int32_t>(cell.paragraphs.size());
}

Paragraph& DocumentModel::currentParagraph() {
  Block& block = document_.blocks[point_.block];
  if (!point_.inTable()) return std::get<Paragraph>(block);
  return std::get<Table>(block).cell(point_.row, point_.column).paragraphs[point_.paragraph];
}

void DocumentModel::emptySelectedCell() {
  if (!point_.wholeCell) return;
  std::get<Table>(document_.blocks[point_.block]).cell(point_.row, point_.column) = TableCell{};
  point_.paragraph = 0;
  point_.wholeCell = false;
}

void DocumentModel::appendRun(Run run) {
  emptySelectedCell();
  Paragraph& paragraph = currentParagraph();
  if (!paragraph.runs.empty() && paragraph.runs.back().sameStyle(run)) {
    paragraph.runs.back().text += run.text;
  } else {
    paragraph.runs.push_back(std::move(run));
  }
}

void DocumentModel::insertPicture(Picture picture) {
  document_.pictures.push_back(std::move(picture));
  Run run;
  run.picture = static_cast<int32_t>(document_.pictures.size()) - 1;
  appendRun(std::move(run));
}

void DocumentModel::typeText(const QString& text) {
  if (text.isEmpty()) {
    emptySelectedCell();
    return;
  }
  Run run;
  run.text = utf8WithoutLoneSurrogates(text);
  run.setStyle(font_);
  appendRun(std::move(run));
}

void DocumentModel::typeParagraph() {
  emptySelectedCell();
  if (point_.inTable()) {
    auto& paragraphs =
        std::get<Table>(document_.blocks[point_.block]).cell(point_.row, point_.column).paragraphs;
    paragraphs.insert(paragraphs.begin() + point_.paragraph + 1, Paragraph{});
    ++point_.paragraph;
  } else {
    document_.blocks.insert(document_.blocks.begin() + point_.block + 1, Paragraph{});
    ++point_.block;
  }
}

QString DocumentModel::addTable(const InsertionPoint& at, int32_t rows, int32_t columns) {
  if (!isValid(at)) return QStringLiteral("диапазон вне документа");
  if (at.inTable()) return QStringLiteral("таблица внутри таблицы не поддерживается");
  if (rows < 1 || rows > kMaxTableRows || columns < 1 || columns > kMaxTableColumns)
    return QStringLiteral("недопустимый размер таблицы %1 × %2").arg(rows).arg(columns);

  int32_t before = at.block;
  if (!std::get<Paragraph>(document_.blocks[before]).isEmpty()) {
    document_.blocks.insert(document_.blocks.begin() + before + 1, Paragraph{});
    ++before;
  }
  Table table;
  table.rows.assign(static_cast<size_t>(rows),
                    std::vector<TableCell>(static_cast<size_t>(columns)));
  document_.blocks.insert(document_.blocks.begin() + before, std::move(table));

  point_ = InsertionPoint{};
  point_.block = before;
  point_.row = 0;
  point_.column = 0;
  return QString();
}

int32_t DocumentModel::tableCount() const {
  int32_t count = 0;
  for (const Block& block : document_.blocks) count += std::holds_alternative<Table>(block) ? 1 : 0;
  return count;
}

int32_t DocumentModel::tableBlock(int32_t index) const {
  if (index < 0) return -1;
  for (size_t i = 0; i < document_.blocks.size(); ++i) {
    if (std::holds_alternative<Table>(document_.blocks[i]) && index-- == 0)
      return static_cast<int32_t>(i);
  }
  return -1;
}

const Table* DocumentModel::table(int32_t index) const {
  const int32_t block = tableBlock(index);
  return block < 0 ? nullptr : &std::get<Table>(document_.blocks[block]);
}

bool DocumentModel::selectCell(int32_t index, int32_t row, int32_t column) {
  const int32_t block = tableBlock(index);
  if (block < 0) return false;
  const Table& table = std::get<Table>(document_.blocks[block]);
  if (row < 0 || row >= table.rowCount() || column < 0 || column >= table.columnCount())
    return false;
  point_ = InsertionPoint{};
  point_.block = block;
  point_.row = row;
  point_.column = column;
  point_.wholeCell = true;
  return true;
}

bool DocumentModel::moveDownOneLine() {
  if (point_.inTable()) {
    const Table& table = std::get<Table>(document_.blocks[point_.block]);
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
    if (point_.row + 1 < table.rowCount()) {
      ++point_.row;
      point_.paragraph = 0;
      return true;
    }
  }
  // Below the paragraph or the table's last row: the next block, if any.
  const int32_t next = point_.block + 1;
  if (next >= static_cast<int32_t>(document_.blocks.size())) return false;
  point_ = InsertionPoint{};
  point_.block = next;
  if (std::holds_alternative<Table>(document_.blocks[next])) {
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
