// The options dialog's numeric fields: shown in the fixed format, read back only once edited.
#include "ui/number_field.h"

#include <QLineEdit>
#include <QVariant>

#include "engine/field_number.h"
#include "engine/number_format.h"
#include "ui/captions.h"
#include "ui/conversion_error.h"
#include "ui/decimal_separator.h"

namespace ui {

namespace {

constexpr int kFieldPrecision = 3;
constexpr int kFieldDecimals = 2;
// The field's own record of the text that stands for the stored value.
const char* const kStoredText = "tarnekStoredText";

void remember(QLineEdit& field, const QString& text) { field.setProperty(kStoredText, text); }

}  // namespace

void showStoredNumber(QLineEdit& field, float value) {
  const QString text = QString::fromStdString(
      engine::formatFixed(value, kFieldPrecision, kFieldDecimals, localeDecimalSeparator()));
  field.setText(text);
  remember(field, text);
}

float appliedNumber(QLineEdit& field, float stored, const QString& label) {
  const QString text = field.text();
  const QVariant shown = field.property(kStoredText);
  if (shown.isValid() && shown.toString() == text) return stored;
  const engine::FieldNumber number = engine::parseFieldNumber(text.toStdString());
  if (number.status != engine::FieldNumber::Status::Ok) {
    const char* message = number.status == engine::FieldNumber::Status::OutOfRange
                              ? text::kNumberOutOfRange
                              : text::kNotANumber;
    throw ConversionError(
        QString::fromUtf8(text::kFieldError).arg(label, QString::fromUtf8(message).arg(text)));
  }
  remember(field, text);
  return number.value;
}

}  // namespace ui
