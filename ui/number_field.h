// The options dialog's numeric fields: shown in the fixed format, read back only once edited.
#pragma once

#include <QString>

class QLineEdit;

namespace ui {

// Writes `value` into `field` in the dialog's fixed format (3 significant
// digits, 2 decimals, the locale's separator) and remembers that this text
// stands for `value`.
void showStoredNumber(QLineEdit& field, float value);

// What Apply stores from `field`. While the field holds the text that stands
// for the stored value (the one the dialog wrote, or the one last converted),
// `stored` itself, so an untouched field never loses the digits its 3-digit
// text leaves out. Otherwise the text read with "." or "," as the decimal
// separator and stored as a float; the text then stands for that value.
// Throws ConversionError, with `label` naming the field, when the text is
// not a number a float can hold.
float appliedNumber(QLineEdit& field, float stored, const QString& label);

}  // namespace ui
