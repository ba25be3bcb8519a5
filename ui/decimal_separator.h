// The decimal separator of the user's locale, as the number formats take it.
#pragma once

namespace ui {

// QLocale::system()'s separator; "." where the locale's is not a single
// Latin-1 character, since the number formats write one byte.
char localeDecimalSeparator();

}  // namespace ui
