// One field of pasted or imported data read as a number, with either decimal separator.
#pragma once

#include <string_view>

namespace engine {

// Which characters may stand between the whole and the fractional digits.
struct DecimalSeparators {
  bool point = true;
  bool comma = true;
};

struct DataNumber {
  enum class Kind { Number, NotANumber, OutOfRange };
  Kind kind = Kind::NotANumber;
  float value = 0.0f;  // the nearest float to the decimal, as a stream would read it
  double exact = 0.0;  // the nearest double, for comparing edges and widths
  char separator = 0;  // '.' or ',' when the number has one, else 0
};

// Fields longer than this are never numbers; it keeps every field's work bounded.
inline constexpr size_t kMaxNumberBytes = 128;

// An optional sign ("+", "-" or the minus sign U+2212), digits with at most
// one decimal separator of those allowed (".5" and "5." included), and an
// optional exponent ("e-3"). Nothing else: no blanks, no group separators,
// no "inf" or "nan". A number beyond the float range (or so small that it
// becomes 0 or loses precision as a float) is OutOfRange.
DataNumber parseDataNumber(std::string_view field, DecimalSeparators separators);

}  // namespace engine
