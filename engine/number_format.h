// The two number formats of every text the program shows.
#pragma once

#include <cstdint>
#include <string>

namespace engine {

// General format: the value is rounded to `precision` significant digits
// (on its exact binary value, a tie rounds away from zero). If the rounded
// value has at most `precision` digits before the separator and a magnitude
// of at least 0.00001 it is written in fixed notation with trailing zeros
// and a bare separator dropped ("0" for zero); otherwise as a mantissa with
// one digit before the separator, trailing zeros dropped, "E", a "-" for a
// negative exponent and at least `exponentDigits` exponent digits.
// Non-finite values are "INF", "-INF" and "NAN".
// Precision is taken as 1..15 (clamped); exponentDigits as 0..4 (clamped).
std::string formatGeneral(double value, int precision, int exponentDigits, char decimalSeparator);

// Fixed format: rounded to `precision` significant digits, written with
// exactly `decimals` digits after the separator and at least one before it.
// When the last decimal lies above the last significant digit the value is
// rounded once, there (0.995 with 3 digits and 2 decimals is "0.99"); a text
// of zeros has no sign. A value with more than `precision` digits before the
// separator once rounded is written in the general format's scientific
// notation (two exponent digits), which the locale's text-to-number
// conversion reads back. Precision is clamped to 1..15, decimals to 0..4.
std::string formatFixed(double value, int precision, int decimals, char decimalSeparator);

// Whole numbers: plain decimal text with a leading "-" when negative.
std::string formatInteger(int64_t value);

}  // namespace engine
