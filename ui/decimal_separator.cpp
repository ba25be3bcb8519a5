// Reading the locale's decimal separator for the number formats.
#include "ui/decimal_separator.h"

#include <QLocale>
#include <QString>

#include "engine/decimal_separator.h"

namespace ui {

char localeDecimalSeparator() {
  return engine::decimalSeparatorOf(QLocale::system().decimalPoint().toStdString());
}

}  // namespace ui
