// Writing document runs from a small formula markup, and plain text beside it.
#include "engine/document/text_markup.h"

#include "engine/utf8_text.h"

namespace engine {

namespace {

bool isLatinLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// U+0300..U+036F, the combining diacritical marks (x̄ is x and U+0304).
bool isCombiningMark(std::string_view text, size_t pos) {
  if (pos + 1 >= text.size()) return false;
  const auto lead = static_cast<unsigned char>(text[pos]);
  const auto next = static_cast<unsigned char>(text[pos + 1]);
  return (lead == 0xCC && next >= 0x80) || (lead == 0xCD && next <= 0xAF);
}

// The end of one character at `pos` together with the combining marks that follow it.
size_t characterEnd(std::string_view text, size_t pos) {
  size_t end = pos + nextUtf8(text, pos).length;
  while (end < text.size() && isCombiningMark(text, end)) end += nextUtf8(text, end).length;
  return end;
}

}  // namespace

void ParagraphWriter::append(std::string_view text, bool italic, Script script) {
  if (text.empty()) return;
  std::vector<TextRun>& runs = paragraph_.runs;
  TextRun run{std::string(text), italic, script};
  if (!runs.empty() && runs.back().sameStyle(run)) {
    runs.back().text += text;
  } else {
    runs.push_back(std::move(run));
  }
}

void ParagraphWriter::appendFormula(std::string_view formula, Script script) {
  size_t pos = 0;
  while (pos < formula.size()) {
    const char c = formula[pos];
    if ((c == '_' || c == '^') && pos + 1 < formula.size() && script == Script::Baseline) {
      const Script inner = c == '_' ? Script::Subscript : Script::Superscript;
      size_t start = pos + 1;
      size_t end = 0;
      size_t next = 0;
      if (formula[start] == '{') {
        ++start;
        end = formula.find('}', start);
        if (end == std::string_view::npos) end = formula.size();
        next = end < formula.size() ? end + 1 : end;
      } else {
        end = characterEnd(formula, start);
        next = end;
      }
      appendFormula(formula.substr(start, end - start), inner);
      pos = next;
      continue;
    }
    if (isLatinLetter(c)) {
      size_t end = pos;
      while (end < formula.size() && isLatinLetter(formula[end])) ++end;
      const bool single = end - pos == 1;
      while (end < formula.size() && isCombiningMark(formula, end))
        end += nextUtf8(formula, end).length;
      append(formula.substr(pos, end - pos), single, script);
      pos = end;
      continue;
    }
    const size_t end = characterEnd(formula, pos);
    append(formula.substr(pos, end - pos), false, script);
    pos = end;
  }
}

ParagraphWriter& ParagraphWriter::math(std::string_view markup) {
  appendFormula(markup, Script::Baseline);
  return *this;
}

ParagraphWriter& ParagraphWriter::text(std::string_view plain) {
  append(plain, false, Script::Baseline);
  return *this;
}

}  // namespace engine
