// The decimal separator of the user's locale, taken as the window takes it.
#pragma once

namespace cli {

// QLocale::system()'s decimal point (LC_ALL, then LC_NUMERIC, then LANG),
// which needs no generated C library locale. A separator that is not one
// ASCII character cannot go into a char and falls back to '.'.
char localeDecimalSeparator();

}  // namespace cli
