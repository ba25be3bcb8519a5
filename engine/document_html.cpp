// A text document as an HTML fragment: headings, paragraphs, tables, <i>, <sub> and <sup>.
#include "engine/document_html.h"

namespace engine {

namespace {

void appendEscaped(std::string& out, const std::string& text) {
  for (const char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
}

void appendTable(std::string& out, const TextTable& table) {
  out += "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n";
  for (size_t r = 0; r < table.rows.size(); ++r) {
    out += "<tr>";
    const char* cell = r == 0 ? "th" : "td";
    for (const TextParagraph& paragraph : table.rows[r]) {
      out += '<';
      out += cell;
      out += '>';
      out += htmlRuns(paragraph);
      out += "</";
      out += cell;
      out += '>';
    }
    out += "</tr>\n";
  }
  out += "</table>\n";
}

}  // namespace

std::string htmlRuns(const TextParagraph& paragraph) {
  std::string out;
  for (const TextRun& run : paragraph.runs) {
    const char* script = run.script == Script::Subscript     ? "sub"
                         : run.script == Script::Superscript ? "sup"
                                                             : nullptr;
    if (script) out += std::string("<") + script + ">";
    if (run.italic) out += "<i>";
    appendEscaped(out, run.text);
    if (run.italic) out += "</i>";
    if (script) out += std::string("</") + script + ">";
  }
  return out;
}

std::string htmlDocument(const TextDocument& document) {
  std::string out;
  for (const TextBlock& block : document.blocks) {
    if (const auto* paragraph = std::get_if<TextParagraph>(&block)) {
      const char* element = paragraph->role == TextParagraph::Role::Heading ? "h3" : "p";
      out += std::string("<") + element + ">" + htmlRuns(*paragraph) + "</" + element + ">\n";
    } else {
      appendTable(out, std::get<TextTable>(block));
    }
  }
  return out;
}

}  // namespace engine
