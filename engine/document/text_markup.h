// Writing document runs from a small formula markup, and plain text beside it.
#pragma once

#include <string>
#include <string_view>

#include "engine/document/text_document.h"

namespace engine {

// Appends to a paragraph, one call after another:
//   math("x̄ = Σ n_i x_i / n")  reads a formula: "_" and "^" put the next letter, digit or
//                               "{...}" group below or above the line, a single Latin letter
//                               (with any combining marks after it) is italic, everything else
//                               (words such as exp or min, Greek, Cyrillic, signs) upright;
//   text(value)                 appends `value` as it stands, upright on the line: numbers,
//                               file names and anything else that must not be read as markup.
class ParagraphWriter {
 public:
  explicit ParagraphWriter(TextParagraph& paragraph) : paragraph_(paragraph) {}
  // Writes into the cell's first paragraph.
  explicit ParagraphWriter(TextCell& cell) : paragraph_(cell.paragraphs.front()) {}

  ParagraphWriter& math(std::string_view markup);
  ParagraphWriter& text(std::string_view plain);

 private:
  void append(std::string_view text, bool italic, Script script);
  void appendFormula(std::string_view formula, Script script);

  TextParagraph& paragraph_;
};

}  // namespace engine
