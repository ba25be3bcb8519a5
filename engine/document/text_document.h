// The one document model: paragraphs of styled runs, tables and pictures, for every writer.
// The report, the worked solution and whatever else is written out as a document are built as
// one of these; each format's writer reads it without knowing where its content came from.
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace engine {

// Where a run sits relative to the line: subscripts and superscripts carry indices and powers.
enum class Script { Baseline, Subscript, Superscript };

// How a run of text looks; the default is plain upright text on the line.
struct TextStyle {
  bool bold = false;
  bool italic = false;
  Script script = Script::Baseline;

  bool isPlain() const { return !bold && !italic && script == Script::Baseline; }
  bool operator==(const TextStyle& other) const {
    return bold == other.bold && italic == other.italic && script == other.script;
  }
  bool operator!=(const TextStyle& other) const { return !(*this == other); }
};

// A stretch of UTF-8 text in one style, or one inline picture when picture >= 0.
struct TextRun {
  std::string text;
  bool italic = false;
  Script script = Script::Baseline;
  bool bold = false;
  int32_t picture = -1;  // index into TextDocument::pictures

  TextStyle style() const { return TextStyle{bold, italic, script}; }
  void setStyle(const TextStyle& style) {
    bold = style.bold;
    italic = style.italic;
    script = style.script;
  }
  // Two text runs that one run could hold.
  bool sameStyle(const TextRun& other) const {
    return picture < 0 && other.picture < 0 && style() == other.style();
  }
};

struct TextParagraph {
  enum class Role { Body, Heading };
  Role role = Role::Body;
  std::vector<TextRun> runs;

  bool isEmpty() const { return runs.empty(); }
};

// The text of a paragraph's runs, pictures left out.
inline std::string paragraphText(const TextParagraph& paragraph) {
  std::string text;
  for (const TextRun& run : paragraph.runs) text += run.text;
  return text;
}

struct TextCell {
  std::vector<TextParagraph> paragraphs = std::vector<TextParagraph>(1);  // never empty
};

// Row 0 is the header row; every row has as many cells as the header.
struct TextTable {
  std::vector<std::vector<TextCell>> rows;

  int32_t rowCount() const { return static_cast<int32_t>(rows.size()); }
  int32_t columnCount() const {
    return rows.empty() ? 0 : static_cast<int32_t>(rows.front().size());
  }
  // row and column from 0.
  TextCell& cell(int32_t row, int32_t column) {
    return rows[static_cast<size_t>(row)][static_cast<size_t>(column)];
  }
  const TextCell& cell(int32_t row, int32_t column) const {
    return rows[static_cast<size_t>(row)][static_cast<size_t>(column)];
  }
};

// A picture as PNG bytes with its size in pixels.
struct TextPicture {
  std::string png;
  int32_t width = 0;
  int32_t height = 0;
};

using TextBlock = std::variant<TextParagraph, TextTable>;

struct TextDocument {
  std::vector<TextBlock> blocks;
  std::vector<TextPicture> pictures;
};

}  // namespace engine
