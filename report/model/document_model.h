// The in-process document that stands in for a word processor's: the engine's document model
// edited as the automation layer types into it.
#pragma once

#include <QString>
#include <cstdint>
#include <variant>
#include <vector>

#include "engine/document/text_document.h"
#include "report/model/document_properties.h"

namespace report {

// The report edits the engine's one document model; these are its parts under the names the
// automation layer and the writers use.
using Picture = engine::TextPicture;
using VerticalAlign = engine::Script;
// How typed text looks; the default is the Normal style's plain text.
using RunFormat = engine::TextStyle;
// A stretch of a paragraph: text, or one inline picture when picture >= 0.
using Run = engine::TextRun;
using Paragraph = engine::TextParagraph;
using TableCell = engine::TextCell;
using Table = engine::TextTable;
using Block = engine::TextBlock;

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

  // What has been typed so far.
  const engine::TextDocument& document() const { return document_; }
  const std::vector<Block>& blocks() const { return document_.blocks; }
  const std::vector<Picture>& pictures() const { return document_.pictures; }
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

  engine::TextDocument document_;
  InsertionPoint point_;
  RunFormat font_{};
  DocumentProperties properties_;
};

}  // namespace report
