// The options dialog's rules: how its numeric fields show a number and read one back, and Apply.
#include "engine/option_fields.h"

#include "engine/field_number.h"
#include "engine/number_format.h"
#include "engine/texts.h"

namespace engine {

namespace {

constexpr int kFieldPrecision = 3;
constexpr int kFieldDecimals = 2;

// "%1" in `pattern` replaced by `value`.
std::string filled(const char* pattern, std::string_view value) {
  std::string text(pattern);
  const size_t at = text.find("%1");
  if (at != std::string::npos) text.replace(at, 2, value);
  return text;
}

}  // namespace

std::string fieldText(float value, char decimalSeparator) {
  return formatFixed(value, kFieldPrecision, kFieldDecimals, decimalSeparator);
}

std::optional<float> appliedNumber(NumberField& field, float stored, std::string_view label,
                                   std::string& error) {
  if (field.text == field.shown) return stored;
  const FieldNumber number = parseFieldNumber(field.text);
  if (number.status != FieldNumber::Status::Ok) {
    const char* message = number.status == FieldNumber::Status::OutOfRange ? text::kNumberOutOfRange
                                                                           : text::kNotANumber;
    error = std::string(label) + ": " + filled(message, field.text);
    return std::nullopt;
  }
  field.shown = field.text;
  return number.value;
}

void showNumbers(const AnalysisState& state, OptionFields& fields, char decimalSeparator) {
  for (auto [field, value] :
       {std::pair{&fields.intervalLength, state.IntervalLength},
        std::pair{&fields.xmin, state.Xmin}, std::pair{&fields.xmax, state.Xmax}}) {
    field->text = fieldText(value, decimalSeparator);
    field->shown = field->text;
  }
}

void showState(const AnalysisState& state, OptionFields& fields, char decimalSeparator) {
  fields.fileName = state.FileName;
  fields.alpha = state.Alpha;
  fields.gamma = state.Gamma;
  fields.coefficients = state.Coefficients;
  showNumbers(state, fields, decimalSeparator);
}

ApplyResult applyOptionFields(AnalysisState& state, OptionFields& fields, char decimalSeparator,
                              const std::function<void()>& run) {
  ApplyResult result;
  state.Alpha = fields.alpha;
  state.Gamma = fields.gamma;
  state.Coefficients = fields.coefficients;
  if (state.FileChanged) {
    state.FileName = fields.fileName;
    run();
    showNumbers(state, fields, decimalSeparator);
    result.fileMode = true;
    return result;
  }
  std::string error;
  for (auto [field, stored, label] :
       {std::tuple{&fields.intervalLength, &state.IntervalLength, text::kIntervalLabel},
        std::tuple{&fields.xmin, &state.Xmin, text::kXminLabel},
        std::tuple{&fields.xmax, &state.Xmax, text::kXmaxLabel}}) {
    const std::optional<float> value = appliedNumber(*field, *stored, label, error);
    if (!value) {
      result.error = error;
      return result;
    }
    *stored = *value;
  }
  run();
  return result;
}

}  // namespace engine
