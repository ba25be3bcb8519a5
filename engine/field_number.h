// Reading a number typed into a field, with "." or "," as its decimal separator.
#pragma once

#include <string_view>

namespace engine {

struct FieldNumber {
  enum class Status {
    Ok,
    NotANumber,  // anything but one number: letters, two separators, group separators, empty
    OutOfRange,  // a number, but beyond the range of a float (or infinite)
  };
  Status status = Status::NotANumber;
  double value = 0.0;  // with Ok, finite and within the float range
};

// Blanks around it are ignored; then an optional sign ("+", "-" or "−"),
// digits with at most one "." or "," among or after them, at least one digit,
// and an optional exponent ("e" or "E", a sign, digits). A "," is always the
// decimal separator, never a group separator: "2,500" is 2.5 and "1,000.5"
// is not a number. The text is UTF-8.
FieldNumber parseFieldNumber(std::string_view text);

}  // namespace engine
