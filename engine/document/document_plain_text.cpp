// A text document as plain UTF-8: scripts written with "_" and "^", tables as aligned columns.
#include "engine/document/document_plain_text.h"

#include <algorithm>

#include "engine/utf8_text.h"

namespace engine {

namespace {

// A script that is one word or number reads unambiguously after its sign.
bool needsParentheses(const std::string& text) {
  if (codePointCount(text) <= 1) return false;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    const bool asciiWordCharacter = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') ||
                                    (c >= 'A' && c <= 'Z') || c == '.' || c == ',';
    if (byte < 0x80 && !asciiWordCharacter) return true;
  }
  // The minus sign, U+2212.
  return text.find("\xE2\x88\x92") != std::string::npos;
}

// Columns on a terminal: combining marks (U+0300..U+036F) take none.
size_t displayWidth(const std::string& text) {
  size_t width = 0;
  for (size_t pos = 0; pos < text.size();) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    const bool combining = pos + 1 < text.size() &&
                           ((lead == 0xCC && static_cast<unsigned char>(text[pos + 1]) >= 0x80) ||
                            (lead == 0xCD && static_cast<unsigned char>(text[pos + 1]) <= 0xAF));
    if (!combining) ++width;
    pos += nextUtf8(text, pos).length;
  }
  return width;
}

// A cell's paragraphs are lines of one cell; a column holds them one after another.
std::vector<std::string> rowTexts(const std::vector<TextCell>& row) {
  std::vector<std::string> texts;
  texts.reserve(row.size());
  for (const TextCell& cell : row) {
    std::string text;
    for (size_t i = 0; i < cell.paragraphs.size(); ++i) {
      if (i > 0) text += ' ';
      text += plainText(cell.paragraphs[i]);
    }
    texts.push_back(std::move(text));
  }
  return texts;
}

void appendTable(std::string& out, const TextTable& table) {
  std::vector<std::vector<std::string>> rows;
  std::vector<size_t> widths;
  for (const auto& row : table.rows) {
    rows.push_back(rowTexts(row));
    if (rows.back().size() > widths.size()) widths.resize(rows.back().size(), 0);
    for (size_t column = 0; column < rows.back().size(); ++column)
      widths[column] = std::max(widths[column], displayWidth(rows.back()[column]));
  }
  for (const auto& row : rows) {
    std::string line;
    for (size_t column = 0; column < row.size(); ++column) {
      line += row[column];
      if (column + 1 < row.size()) line.append(widths[column] - displayWidth(row[column]) + 2, ' ');
    }
    const size_t end = line.find_last_not_of(' ');
    line.erase(end == std::string::npos ? 0 : end + 1);
    out += line;
    out += '\n';
  }
}

}  // namespace

std::string plainText(const TextParagraph& paragraph) {
  std::string text;
  const std::vector<TextRun>& runs = paragraph.runs;
  for (size_t i = 0; i < runs.size();) {
    if (runs[i].script == Script::Baseline) {
      text += runs[i++].text;
      continue;
    }
    // Italic and upright parts of one index are one index: n_(i+1).
    const Script script = runs[i].script;
    std::string index;
    for (; i < runs.size() && runs[i].script == script; ++i) index += runs[i].text;
    text += script == Script::Subscript ? '_' : '^';
    text += needsParentheses(index) ? '(' + index + ')' : index;
  }
  return text;
}

std::vector<std::string> plainParagraphs(const TextDocument& document) {
  std::vector<std::string> texts;
  for (const TextBlock& block : document.blocks) {
    if (const auto* paragraph = std::get_if<TextParagraph>(&block)) {
      texts.push_back(plainText(*paragraph));
      continue;
    }
    for (const auto& row : std::get<TextTable>(block).rows) {
      std::string line;
      const std::vector<std::string> cells = rowTexts(row);
      for (size_t column = 0; column < cells.size(); ++column) {
        if (column > 0) line += '\t';
        line += cells[column];
      }
      texts.push_back(std::move(line));
    }
  }
  return texts;
}

std::string plainDocument(const TextDocument& document) {
  std::string out;
  for (size_t i = 0; i < document.blocks.size(); ++i) {
    const TextBlock& block = document.blocks[i];
    if (const auto* paragraph = std::get_if<TextParagraph>(&block)) {
      if (i > 0 && paragraph->role == TextParagraph::Role::Heading) out += '\n';
      out += plainText(*paragraph);
      out += '\n';
    } else {
      appendTable(out, std::get<TextTable>(block));
    }
  }
  return out;
}

}  // namespace engine
