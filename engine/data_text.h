// Turning the bytes of a data file into UTF-8 text with "\n" line ends.
#pragma once

#include <string>
#include <string_view>

namespace engine {

// How the bytes of a data file were written.
enum class TextEncoding {
  Utf8,         // no byte order mark (plain ASCII included)
  Utf8Bom,      // EF BB BF at the start
  Utf16Le,      // FF FE at the start, or a little-endian pattern of zero bytes
  Utf16Be,      // FE FF at the start, or a big-endian pattern of zero bytes
  Windows1251,  // no mark and not valid UTF-8: an older Russian text file
};

struct DecodedText {
  std::string text;  // valid UTF-8 without a byte order mark; every line ends in "\n" but the last
  TextEncoding encoding = TextEncoding::Utf8;
};

// Decodes a data file as spreadsheets and editors write it: UTF-8 with or
// without a byte order mark, UTF-16 either way round (a mark, or the zero
// bytes of ASCII text saying which way), else Windows-1251 when the bytes are
// not UTF-8. "\r\n" and a lone "\r" become "\n", so line numbers count as an
// editor shows them. Broken UTF-16 (a lone surrogate, an odd last byte)
// becomes U+FFFD. A NUL byte becomes a blank. Never fails.
DecodedText decodeDataText(std::string_view bytes);

}  // namespace engine
