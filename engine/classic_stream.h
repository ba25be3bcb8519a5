// Reading numbers the way both input files are read: formatted stream input
// in the classic locale, where a failed read stores nothing.
#pragma once

#include <cstdint>
#include <istream>
#include <locale>
#include <string>
#include <string_view>

namespace engine {

// True and the value in `out` when a float could be read; `out` untouched
// otherwise. Reads as formatted input does in the classic locale (blanks
// skipped, then a sign, digits, one '.', an exponent), whatever the standard
// library: what the numbers are may not depend on the platform. A number
// above the float range fails like text that is not a number; one below it
// reads as zero or the nearest subnormal. A failed read sets failbit.
bool readFloat(std::istream& in, float& out);

// The same for a whole number that fits 32 bits: a sign, then digits.
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
