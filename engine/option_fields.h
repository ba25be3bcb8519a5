// The options dialog's fields: how they show a number, how they read one, and Apply's two modes.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "engine/analysis_state.h"

namespace engine {

// A numeric field shows its value in the fixed format with 3 digits and 2 decimals.
inline constexpr int kFieldPrecision = 3;
inline constexpr int kFieldDecimals = 2;

// The text a numeric field shows for `value`: "12,30" for 12.345 with ','.
std::string fieldText(float value, char decimalSeparator);

// The dialog's text-to-real conversion, in double. Accepts exactly: white space (any Unicode
// space) around it; one sign "+", "-" or U+2212; digits with `decimalSeparator` as the only
// separator, a digit on at least one side of it; an exponent "e" or "E" with an optional sign and
// digits; or "inf" with an optional sign, or "nan", in any case. Grouped digits ("1 000",
// "2,500") and the other separator are refused. A number beyond the double range, or one that
// is not zero but rounds to zero, is refused too. Empty when the text is not such a number.
std::optional<double> readDecimalNumber(std::string_view text, char decimalSeparator);

enum class FieldProblem { NotANumber, OutOfRange };

struct FieldError {
  FieldProblem problem = FieldProblem::NotANumber;
  std::string text;  // the field's text as typed
  // "«T» не является правильным числом" or "Число «T» вне допустимого диапазона".
  std::string message() const;
};

// A field's number as it is stored: the conversion above, then rounded to a float. Infinities
// and NaN are not a number; a finite value beyond the float range is out of range.
struct FieldNumber {
  std::optional<FieldProblem> problem;
  float value = 0.0f;  // set when there is no problem
};
FieldNumber readFieldNumber(std::string_view text, char decimalSeparator);

// The dialog's four fields as the user left them, UTF-8.
struct OptionFields {
  std::string fileName;
  std::string intervalLength;
  std::string xmin;
  std::string xmax;
};

struct ApplyResult {
  // File mode ran: the numeric fields were rewritten from what the load left in the state.
  bool fileMode = false;
  // Numbers mode stopped at this field; the analysis did not run.
  std::optional<FieldError> error;
};

// Apply. With state.FileChanged set (file mode): FileName becomes fields.fileName, `run` loads
// and analyses it, and the three numeric fields are rewritten from the state; whatever they held
// is not read. Otherwise (numbers mode): h, Xmin and Xmax are read from their fields and each is
// stored as soon as it is read; the first that is not a number ends Apply with its error,
// keeping those stored before it, and `run` is not called; else `run` analyses the sample in
// memory. Apply neither sets nor clears FileChanged: the load clears it.
ApplyResult applyOptionFields(AnalysisState& state, OptionFields& fields, char decimalSeparator,
                              const std::function<void()>& run);

}  // namespace engine
