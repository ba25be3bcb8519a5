// The word-processor automation layer the report drives, shaped like the automation object model.
#pragma once

#include <QString>
#include <cstdint>
#include <memory>

namespace report {

// Unit of Selection.MoveDown: one line.
inline constexpr int32_t kWdLine = 5;

// Objects are references, as in the automation model: holding one keeps nothing else alive.
// Calls whose failure ends a report raise AutomationError; calls whose result the report does not
// examine (Paste, TypeParagraph, TypeText, Select, Visible, the Font's properties) return whether
// they did anything.

class WordRange {
 public:
  virtual ~WordRange() = default;
};

class WordCell {
 public:
  virtual ~WordCell() = default;
  virtual bool Select() = 0;
};

class WordTable {
 public:
  virtual ~WordTable() = default;
  // row and column are counted from 1.
  virtual std::shared_ptr<WordCell> Cell(int32_t row, int32_t column) = 0;
};

class WordTables {
 public:
  virtual ~WordTables() = default;
  // Both behaviour arguments are left missing.
  virtual std::shared_ptr<WordTable> Add(const WordRange& range, int32_t numRows,
                                         int32_t numColumns) = 0;
  // index is counted from 1, in document order.
  virtual std::shared_ptr<WordTable> Item(int32_t index) = 0;
  // Lets go of the reference; a backend may act on the document once its client lets go.
  virtual void Release() = 0;
};

// Selection.Font: what text typed at the selection looks like from now on.
class WordFont {
 public:
  virtual ~WordFont() = default;
  virtual bool SetBold(bool bold) = 0;
  virtual bool SetItalic(bool italic) = 0;
  // Setting one of the two clears the other, as the word processor does.
  virtual bool SetSubscript(bool subscript) = 0;
  virtual bool SetSuperscript(bool superscript) = 0;
};

class WordSelection {
 public:
  virtual ~WordSelection() = default;
  virtual bool Paste() = 0;
  virtual bool TypeParagraph() = 0;
  virtual bool TypeText(const QString& text) = 0;
  virtual std::shared_ptr<WordRange> Range() = 0;
  virtual std::shared_ptr<WordFont> Font() = 0;
  // Extend is left missing. Returns the number of units actually moved.
  virtual int32_t MoveDown(int32_t unit, int32_t count) = 0;
  virtual void Release() = 0;
};

class WordDocument {
 public:
  virtual ~WordDocument() = default;
  virtual std::shared_ptr<WordTables> Tables() = 0;
};

class WordDocuments {
 public:
  virtual ~WordDocuments() = default;
  // All four arguments are left missing; the new document becomes the active one.
  virtual std::shared_ptr<WordDocument> Add() = 0;
};

class WordApplication {
 public:
  virtual ~WordApplication() = default;
  // Attaches to a running application or starts one; a second call keeps the first connection.
  virtual void Connect() = 0;
  virtual std::shared_ptr<WordDocuments> Documents() = 0;
  virtual std::shared_ptr<WordSelection> Selection() = 0;
  virtual std::shared_ptr<WordDocument> ActiveDocument() = 0;
  // Application.Visible = visible.
  virtual bool SetVisible(bool visible) = 0;
};

}  // namespace report
