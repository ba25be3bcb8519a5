// The options dialog's numeric fields: shown in the fixed format, read back only once edited.
#pragma once

#include "engine/option_fields.h"

class QLineEdit;

namespace ui {

// Writes `value` into `field` in the dialog's fixed format (engine::fieldText,
// the locale's separator) and remembers that this text stands for `value`.
void showStoredNumber(QLineEdit& field, float value);

// The field as the engine's Apply takes it: its text and the text that
// stands for the stored value.
engine::NumberField numberField(const QLineEdit& field);
// Keeps what Apply made of the field: its text and the text that stands for the stored value.
void keepNumberField(QLineEdit& field, const engine::NumberField& number);

}  // namespace ui
