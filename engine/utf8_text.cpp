// Walking UTF-8 text that may hold bytes that are not UTF-8.
#include "engine/utf8_text.h"

namespace engine {

Utf8Step nextUtf8(std::string_view text, size_t pos) {
  const auto lead = static_cast<unsigned char>(text[pos]);
  if (lead < 0x80) return {1, true};
  // Continuation bytes needed, and the range allowed for the first of them,
  // which rules out overlong forms, surrogates and values above U+10FFFF.
  size_t needed = 0;
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    needed = 1;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    needed = 2;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    needed = 3;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return {1, false};
  }
  size_t length = 1;
  for (size_t i = 0; i < needed; ++i) {
    if (pos + length >= text.size()) return {length, false};
    const auto next = static_cast<unsigned char>(text[pos + length]);
    if (next < low || next > high) return {length, false};
    low = 0x80;
    high = 0xBF;
    ++length;
  }
  return {length, true};
}

size_t codePointCount(std::string_view text) {
  size_t count = 0;
  for (size_t pos = 0; pos < text.size(); pos += nextUtf8(text, pos).length) ++count;
  return count;
}

}  // namespace engine
