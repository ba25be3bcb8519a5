// Reading numbers the way both input files are read: formatted stream input
// in the classic locale, where a failed read stores nothing, and no number is
// longer than 1,000 characters.
#pragma once

#include <cstddef>
#include <cstdint>
#include <istream>
#include <locale>
#include <string>
#include <string_view>

namespace engine {

// The most characters one number may take. Formatted input gathers a whole
// number before it converts it, so a file of one endless number would cost
// memory and time in its size; a longer one fails like text that is not a
// number, after this many characters.
inline constexpr size_t kMaxNumberCharacters = 1000;

// True and the value in `out` when a float could be read; `out` untouched
// otherwise. Reads exactly what libstdc++'s `in >> float` reads, blanks
// before it skipped, and gives the same value, whatever the standard library
// (the browser's libc++ reads "inf" and fails on underflow), except that a
// number of more than kMaxNumberCharacters characters fails. An overflowing
// number fails like text that is not a number; one below the range reads as
// the nearest subnormal or zero. A failure sets failbit on `in`.
bool readFloat(std::istream& in, float& out);

// The same for a whole number, as `in >> int32_t` reads it.
bool readInteger(std::istream& in, int32_t& out);

inline void useClassicLocale(std::istream& in) { in.imbue(std::locale::classic()); }

// Steps over a UTF-8 byte order mark (EF BB BF) at the stream's current
// position, which editors put at the start of a file; anything else is left
// to be read. A stream that cannot go back keeps an incomplete mark consumed.
inline void skipByteOrderMark(std::istream& in) {
  static constexpr char kMark[] = "\xEF\xBB\xBF";
  const std::streampos start = in.tellg();
  for (const char byte : std::string_view(kMark, 3)) {
    if (in.peek() == std::char_traits<char>::to_int_type(byte)) {
      in.get();
      continue;
    }
    in.clear();
    if (start != std::streampos(-1)) in.seekg(start);
    return;
  }
}

}  // namespace engine
