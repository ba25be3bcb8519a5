// The decimal separator of the user's locale, as the number formats take it.
#pragma once

namespace platform {

// QLocale::system()'s decimal point (LC_ALL, then LC_NUMERIC, then LANG), which needs no
// generated C library locale. A separator that is not one printable ASCII character cannot
// go into the number formats' single byte and falls back to '.'.
char localeDecimalSeparator();

}  // namespace platform
