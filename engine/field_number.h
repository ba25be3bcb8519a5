// Reading a number typed into a field, with "." or "," as its decimal separator.
#pragma once

#include <string_view>

namespace engine {

struct FieldNumber {
  enum class Status {
    Ok,
    NotANumber,  // anything but one number: letters, two separators, group separators, empty
    OutOfRange,  // a number a float cannot hold: too large, or too small to keep its digits
  };
  Status status = Status::NotANumber;
  float value = 0.0f;  // with Ok, the nearest float to the number
};

// Blanks around it are ignored; then an optional sign ("+", "-" or "−"),
// digits with at most one "." or "," among or after them, at least one digit,
// and an optional exponent ("e" or "E", a sign, digits). A "," is always the
// decimal separator, never a group separator: "2,500" is 2.5 and "1,000.5"
// is not a number. Read as parseDataNumber reads a field of pasted data.
// The text is UTF-8.
FieldNumber parseFieldNumber(std::string_view text);

}  // namespace engine
