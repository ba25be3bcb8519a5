// A text document as an HTML fragment: headings, paragraphs, tables, <b>, <i>, <sub>, <sup> and
// pictures as PNG data.
#pragma once

#include <string>

#include "engine/document/text_document.h"

namespace engine {

// The runs of one paragraph as inline HTML, the text escaped; pictures are left out, since they
// belong to a document.
std::string htmlRuns(const TextParagraph& paragraph);

// The blocks as <h3>, <p> and <table> elements, in order, each picture as an <img> of its PNG;
// no page around them.
std::string htmlDocument(const TextDocument& document);

}  // namespace engine
