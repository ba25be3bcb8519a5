// A text document as plain UTF-8: scripts written with "_" and "^", tables as aligned columns.
#pragma once

#include <string>
#include <vector>

#include "engine/document/text_document.h"

namespace engine {

// The paragraph's text with a subscript written after "_" and a superscript after "^"
// (n_i, s^2), in parentheses when it is more than a word or a number (n_(i+1)).
std::string plainText(const TextParagraph& paragraph);

// One text per paragraph and one per table row, the row's cells joined by a tab.
std::vector<std::string> plainParagraphs(const TextDocument& document);

// The whole document as lines: a blank line before each heading but the first, a table's
// cells left-aligned in columns two spaces apart. Every line ends with a line break.
std::string plainDocument(const TextDocument& document);

}  // namespace engine
