// Reading the locale's decimal separator for the number formats.
#include "platform/decimal_separator.h"

#include <QLocale>
#include <QString>

namespace platform {

char localeDecimalSeparator() {
  const QString point = QLocale::system().decimalPoint();
  if (point.size() != 1 || point.at(0).unicode() >= 0x80 || point.at(0).unicode() < 0x20)
    return '.';
  return static_cast<char>(point.at(0).unicode());
}

}  // namespace platform
