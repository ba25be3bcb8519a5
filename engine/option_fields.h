// The options dialog's rules: how its numeric fields show a number and read one back, and Apply.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "engine/analysis_settings.h"
#include "engine/analysis_state.h"

namespace engine {

// The text a numeric field shows for `value`: 3 significant digits, at most 2 decimals, with
// `decimalSeparator` ("12,3" for 12.345 with ',').
std::string fieldText(float value, char decimalSeparator);

// A numeric field: what it holds, and the text that stands for the stored value (the one the
// dialog wrote, or the one Apply last read from it).
struct NumberField {
  std::string text;
  std::string shown;
};

// What Apply stores from `field`: `stored` itself while the field still holds the text that
// stands for it, so an untouched field never loses the digits its 3-digit text leaves out;
// otherwise the text read by parseFieldNumber, which then stands for that value. Empty, and
// `error` set to "label: «text» не является правильным числом" (or "label: Число «text»
// вне допустимого диапазона"), when the text is not a number a float can hold.
std::optional<float> appliedNumber(NumberField& field, float stored, std::string_view label,
                                   std::string& error);

// The dialog as the user left it, UTF-8.
struct OptionFields {
  std::string fileName;
  NumberField intervalLength;
  NumberField xmin;
  NumberField xmax;
  SignificanceLevel alpha = SignificanceLevel::FivePercent;
  Reliability gamma = Reliability::NinetyFive;
  CoefficientSource coefficients = CoefficientSource::Method;
};

// Fills the fields from the state: its file name, settings and numbers.
void showState(const AnalysisState& state, OptionFields& fields, char decimalSeparator);
// Rewrites only the three numbers from the state.
void showNumbers(const AnalysisState& state, OptionFields& fields, char decimalSeparator);

struct ApplyResult {
  bool fileMode = false;             // the file was loaded and the numbers rewritten from it
  std::optional<std::string> error;  // numbers mode stopped at this field; nothing ran
};

// Apply. The settings are stored first (they cannot be wrong). With state.FileChanged (file
// mode): FileName becomes fields.fileName, `run` loads and analyses it and the numbers are
// rewritten from the state. Otherwise (numbers mode) h, Xmin and Xmax are applied in that order,
// each stored as soon as it is read; the first error ends Apply, keeping those before it, and
// `run` is not called; else `run` analyses the sample in memory.
ApplyResult applyOptionFields(AnalysisState& state, OptionFields& fields, char decimalSeparator,
                              const std::function<void()>& run);

}  // namespace engine
