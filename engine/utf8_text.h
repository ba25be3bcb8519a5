// Walking UTF-8 text that may hold bytes that are not UTF-8.
#pragma once

#include <cstddef>
#include <string_view>

namespace engine {

struct Utf8Step {
  size_t length = 1;  // bytes taken, at least 1
  bool valid = true;  // false: the bytes are a broken sequence, shown as one U+FFFD
};

// The sequence starting at `pos` (< text.size()). A broken sequence covers
// its longest valid-looking prefix, so each broken piece counts once.
Utf8Step nextUtf8(std::string_view text, size_t pos);

// Width of text in code points, a broken sequence counting as one.
size_t codePointCount(std::string_view text);

}  // namespace engine
