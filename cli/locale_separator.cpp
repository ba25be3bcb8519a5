// The decimal separator of the user's locale, taken as the window takes it.
#include "locale_separator.h"

#include <QLocale>
#include <QString>

namespace cli {

char localeDecimalSeparator() {
  const QString point = QLocale::system().decimalPoint();
  if (point.size() != 1 || point.at(0).unicode() >= 0x80 || point.at(0).unicode() < 0x20)
    return '.';
  return static_cast<char>(point.at(0).unicode());
}

}  // namespace cli
