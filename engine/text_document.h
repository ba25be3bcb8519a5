// A format-neutral document: paragraphs of styled runs and small tables, for every writer.
#pragma once

#include <string>
#include <variant>
#include <vector>

namespace engine {

// Where a run sits relative to the line: subscripts and superscripts carry indices and powers.
enum class Script { Baseline, Subscript, Superscript };

// A stretch of UTF-8 text in one style.
struct TextRun {
  std::string text;
  bool italic = false;
  Script script = Script::Baseline;

  bool sameStyle(const TextRun& other) const {
    return italic == other.italic && script == other.script;
  }
};

struct TextParagraph {
  enum class Role { Body, Heading };
  Role role = Role::Body;
  std::vector<TextRun> runs;
};

// Row 0 is the header row; every row has as many cells as the header.
struct TextTable {
  std::vector<std::vector<TextParagraph>> rows;
};

using TextBlock = std::variant<TextParagraph, TextTable>;

struct TextDocument {
  std::vector<TextBlock> blocks;
};

}  // namespace engine
