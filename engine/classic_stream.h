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
// otherwise. An overflowing number fails like text that is not a number.
inline bool readFloat(std::istream& in, float& out) {
  float value = 0.0f;
  if (!(in >> value)) return false;
  out = value;
  return true;
}

inline bool readInteger(std::istream& in, int32_t& out) {
  int32_t value = 0;
  if (!(in >> value)) return false;
  out = value;
  return true;
}

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
