// A text document as an HTML fragment: headings, paragraphs, tables, <i>, <sub> and <sup>.
#pragma once

#include <string>

#include "engine/text_document.h"

namespace engine {

// The runs of one paragraph as inline HTML, the text escaped.
std::string htmlRuns(const TextParagraph& paragraph);

// The blocks as <h3>, <p> and <table> elements, in order; no page around them.
std::string htmlDocument(const TextDocument& document);

}  // namespace engine
