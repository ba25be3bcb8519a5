// Reading numbers the way both input files are read: formatted stream input
// in the classic locale, where a failed read stores nothing.
#pragma once

#include <cstdint>
#include <istream>
#include <locale>

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

}  // namespace engine
