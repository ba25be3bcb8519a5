// The one decimal separator the number formats write, chosen from what a locale uses.
#include "engine/decimal_separator.h"

namespace engine {

char decimalSeparatorOf(std::string_view localeDecimalPoint) {
  if (localeDecimalPoint.size() != 1) return '.';
  const auto c = static_cast<unsigned char>(localeDecimalPoint[0]);
  if (c < 0x20 || c >= 0x80) return '.';
  return static_cast<char>(c);
}

}  // namespace engine
