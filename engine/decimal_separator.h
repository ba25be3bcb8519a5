// The one decimal separator the number formats write, chosen from what a locale uses.
#pragma once

#include <string_view>

namespace engine {

// `localeDecimalPoint` is the locale's decimal separator as UTF-8 text (Qt's, or a browser's
// Intl). The number formats put the separator into one byte, so a separator that is not one
// ASCII character at or above the space falls back to '.'; so does an empty one.
char decimalSeparatorOf(std::string_view localeDecimalPoint);

}  // namespace engine
