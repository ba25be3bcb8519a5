// One field of pasted or imported data read as a number, with either decimal separator.
#include "engine/data_number.h"

#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

namespace engine {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

constexpr std::string_view kMinusSign = "\xE2\x88\x92";  // U+2212

}  // namespace

DataNumber parseDataNumber(std::string_view field, DecimalSeparators separators) {
  DataNumber number;
  if (field.empty() || field.size() > kMaxNumberBytes) return number;
  // The text from_chars reads: "-", digits, ".", digits, "e", sign, digits.
  std::string plain;
  plain.reserve(field.size());
  size_t i = 0;
  if (field.substr(0, kMinusSign.size()) == kMinusSign) {
    plain += '-';
    i = kMinusSign.size();
  } else if (field[0] == '+' || field[0] == '-') {
    if (field[0] == '-') plain += '-';
    i = 1;
  }
  size_t digits = 0;
  for (; i < field.size() && isDigit(field[i]); ++i, ++digits) plain += field[i];
  if (i < field.size() &&
      ((field[i] == '.' && separators.point) || (field[i] == ',' && separators.comma))) {
    number.separator = field[i];
    plain += '.';
    for (++i; i < field.size() && isDigit(field[i]); ++i, ++digits) plain += field[i];
  }
  if (digits == 0) return number;
  if (i < field.size() && (field[i] == 'e' || field[i] == 'E')) {
    plain += 'e';
    ++i;
    if (i < field.size() && (field[i] == '+' || field[i] == '-')) plain += field[i++];
    size_t exponentDigits = 0;
    for (; i < field.size() && isDigit(field[i]); ++i, ++exponentDigits) plain += field[i];
    if (exponentDigits == 0) return number;
  }
  if (i != field.size()) return number;

  const char* first = plain.data();
  const char* last = first + plain.size();
  float value = 0.0f;
  double exact = 0.0;
  const auto asFloat = std::from_chars(first, last, value);
  const auto asDouble = std::from_chars(first, last, exact);
  if (asFloat.ec != std::errc() || asDouble.ec != std::errc() || asFloat.ptr != last ||
      asDouble.ptr != last || !std::isfinite(value)) {
    number.kind = DataNumber::Kind::OutOfRange;
    return number;
  }
  number.kind = DataNumber::Kind::Number;
  number.value = value;
  number.exact = exact;
  return number;
}

}  // namespace engine
