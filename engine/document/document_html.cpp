// A text document as an HTML fragment: headings, paragraphs, tables, <b>, <i>, <sub>, <sup> and
// pictures as PNG data.
#include "engine/document/document_html.h"

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

void appendBase64(std::string& out, const std::string& bytes) {
  static constexpr char kDigits[] =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  for (size_t i = 0; i < bytes.size(); i += 3) {
    const size_t left = bytes.size() - i;
    uint32_t group = static_cast<uint32_t>(static_cast<unsigned char>(bytes[i])) << 16;
    if (left > 1) group |= static_cast<uint32_t>(static_cast<unsigned char>(bytes[i + 1])) << 8;
    if (left > 2) group |= static_cast<unsigned char>(bytes[i + 2]);
    out += kDigits[(group >> 18) & 63];
    out += kDigits[(group >> 12) & 63];
    out += left > 1 ? kDigits[(group >> 6) & 63] : '=';
    out += left > 2 ? kDigits[group & 63] : '=';
  }
}

// A picture the document holds, as an image of its own size; nothing for a missing one.
void appendPicture(std::string& out, const std::vector<TextPicture>* pictures, int32_t index) {
  if (pictures == nullptr || index >= static_cast<int32_t>(pictures->size())) return;
  const TextPicture& picture = (*pictures)[static_cast<size_t>(index)];
  out += "<img width=\"" + std::to_string(picture.width) + "\" height=\"" +
         std::to_string(picture.height) + "\" src=\"data:image/png;base64,";
  appendBase64(out, picture.png);
  out += "\" alt=\"\">";
}

std::string runsHtml(const TextParagraph& paragraph, const std::vector<TextPicture>* pictures) {
  std::string out;
  for (const TextRun& run : paragraph.runs) {
    if (run.picture >= 0) {
      appendPicture(out, pictures, run.picture);
      continue;
    }
    const char* script = run.script == Script::Subscript     ? "sub"
                         : run.script == Script::Superscript ? "sup"
                                                             : nullptr;
    if (script) out += std::string("<") + script + ">";
    if (run.bold) out += "<b>";
    if (run.italic) out += "<i>";
    appendEscaped(out, run.text);
    if (run.italic) out += "</i>";
    if (run.bold) out += "</b>";
    if (script) out += std::string("</") + script + ">";
  }
  return out;
}

void appendTable(std::string& out, const TextTable& table,
                 const std::vector<TextPicture>& pictures) {
  out += "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n";
  for (size_t r = 0; r < table.rows.size(); ++r) {
    out += "<tr>";
    const std::string cell = r == 0 ? "th" : "td";
    for (const TextCell& content : table.rows[r]) {
      out += '<' + cell + '>';
      // A cell's paragraphs are lines of one cell.
      for (size_t i = 0; i < content.paragraphs.size(); ++i) {
        if (i > 0) out += "<br>";
        out += runsHtml(content.paragraphs[i], &pictures);
      }
      out += "</" + cell + '>';
    }
    out += "</tr>\n";
  }
  out += "</table>\n";
}

}  // namespace

std::string htmlRuns(const TextParagraph& paragraph) { return runsHtml(paragraph, nullptr); }

std::string htmlDocument(const TextDocument& document) {
  std::string out;
  for (const TextBlock& block : document.blocks) {
    if (const auto* paragraph = std::get_if<TextParagraph>(&block)) {
      const char* element = paragraph->role == TextParagraph::Role::Heading ? "h3" : "p";
      out += std::string("<") + element + ">" + runsHtml(*paragraph, &document.pictures) + "</" +
             element + ">\n";
    } else {
      appendTable(out, std::get<TextTable>(block), document.pictures);
    }
  }
  return out;
}

}  // namespace engine
