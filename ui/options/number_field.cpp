// The options dialog's numeric fields: shown in the fixed format, read back only once edited.
#include "ui/options/number_field.h"

#include <QLineEdit>
#include <QVariant>

#include "platform/decimal_separator.h"

namespace ui {

namespace {

// The field's own record of the text that stands for the stored value.
const char* const kStoredText = "tarnekStoredText";

}  // namespace

void showStoredNumber(QLineEdit& field, float value) {
  const std::string text = engine::fieldText(value, platform::localeDecimalSeparator());
  keepNumberField(field, {text, text});
}

engine::NumberField numberField(const QLineEdit& field) {
  return {field.text().toStdString(), field.property(kStoredText).toString().toStdString()};
}

void keepNumberField(QLineEdit& field, const engine::NumberField& number) {
  const QString text = QString::fromStdString(number.text);
  if (field.text() != text) field.setText(text);
  field.setProperty(kStoredText, QString::fromStdString(number.shown));
}

}  // namespace ui
