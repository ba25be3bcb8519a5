// The in-process document that stands in for a word processor's: paragraphs, pictures, tables.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <variant>
#include <vector>

#include "report/model/document_properties.h"

namespace report {

// A picture as PNG with its size in pixels.
struct Picture {
  QByteArray png;
  int32_t width = 0;
  int32_t height = 0;
};

enum class VerticalAlign { Baseline, Subscript, Superscript };

// How typed text looks; the default is the Normal style's plain text.
struct RunFormat {
  bool bold = false;
  bool italic = false;
  VerticalAlign align = VerticalAlign::Baseline;

  bool isPlain() const { return !bold && !italic && align == VerticalAlign::Baseline; }
  bool operator==(const RunFormat& other) const {
    return bold == other.bold && italic == other.italic && align == other.align;
  }
};

// A stretch of a paragraph: text, or one inline picture when picture >= 0.
struct Run {
  QString text;
  int32_t picture = -1;  // index into DocumentModel::pictures()
  RunFormat format{};    // of text
};

struct Paragraph {
  std::vector<Run> runs;
  bool isEmpty() const { return runs.empty(); }
  // The text of its runs, pictures left out.
  QString text() const;
};

struct TableCell {
  std::vector<Paragraph> paragraphs = std::vector<Paragraph>(1);  // never empty
};

struct Table {
  int32_t rows = 0;
  int32_t columns = 0;
  std::vector<TableCell> cells;  // row after row

  // row and column from 0.
  TableCell& cell(int32_t row, int32_t column) { return cells[row * columns + column]; }
  const TableCell& cell(int32_t row, int32_t column) const { return cells[row * columns + column]; }
};

using Block = std::variant<Paragraph, Table>;

// Where typing goes. It always stands at the end of a paragraph: one of the body (row < 0) or
// one of a table cell. A selected cell (wholeCell) is replaced by what is typed next.
struct InsertionPoint {
  int32_t block = 0;
  int32_t row = -1;
  int32_t column = -1;
  int32_t paragraph = 0;  // within the cell
  bool wholeCell = false;

  bool inTable() const { return row >= 0; }
};

// The largest table the model makes, as a word processor limits it.
inline constexpr int32_t kMaxTableRows = 32767;
inline constexpr int32_t kMaxTableColumns = 63;

// The body always ends with a paragraph, so there is always a place below a table.
class DocumentModel {
 public:
  DocumentModel();

  const std::vector<Block>& blocks() const { return blocks_; }
  const std::vector<Picture>& pictures() const { return pictures_; }
  const InsertionPoint& insertionPoint() const { return point_; }
  const DocumentProperties& properties() const { return properties_; }
  void setProperties(DocumentProperties properties) { properties_ = std::move(properties); }

  void insertPicture(Picture picture);
  // What text typed from now on looks like, wherever the insertion point goes.
  const RunFormat& font() const { return font_; }
  void setFont(const RunFormat& format) { font_ = format; }
  void typeText(const QString& text);
  void typeParagraph();

  // Puts a table where `at` stands: the paragraph there is split if it holds anything, the table
  // goes before the (empty) paragraph that follows, and the insertion point moves into the first
  // cell. Returns an empty string, or why there is no table.
  QString addTable(const InsertionPoint& at, int32_t rows, int32_t columns);

  int32_t tableCount() const;
  // The index-th table (from 0) in document order, or nullptr.
  const Table* table(int32_t index) const;
  // Selects a cell of the index-th table; false when there is no such cell.
  bool selectCell(int32_t index, int32_t row, int32_t column);

  // Moves the insertion point down by lines: a paragraph is a line, and so is a table row.
  // Returns how many lines it moved; fewer than count at the end of the document.
  int32_t moveDown(int32_t count);

 private:
  bool isValid(const InsertionPoint& at) const;
  int32_t tableBlock(int32_t index) const;
  Paragraph& currentParagraph();
  void emptySelectedCell();
  void appendRun(Run run);
  bool moveDownOneLine();

  std::vector<Block> blocks_;
  std::vector<Picture> pictures_;
  InsertionPoint point_;
  RunFormat font_{};
  DocumentProperties properties_;
};

}  // namespace report
