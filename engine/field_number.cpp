// Reading a number typed into a field, with "." or "," as its decimal separator.
#include "engine/field_number.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace engine {

namespace {

constexpr std::string_view kUnicodeMinus = "\u2212";

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

FieldNumber parseFieldNumber(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);

  // The text from_chars reads: "-" for any minus, "." for either separator.
  std::string plain;
  if (text.substr(0, kUnicodeMinus.size()) == kUnicodeMinus) {
    plain += '-';
    text.remove_prefix(kUnicodeMinus.size());
  } else if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    if (text.front() == '-') plain += '-';
    text.remove_prefix(1);
  }
  size_t i = 0;
  int digits = 0;
  bool separator = false;
  // Where the first significant digit stands, to tell an underflow from an overflow.
  long long integerDigits = 0;  // after leading zeros
  long long fractionZeros = 0;  // zeros after the separator before the first other digit
  bool significant = false;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (isDigit(c)) {
      ++digits;
      plain += c;
      significant = significant || c != '0';
      if (!separator && significant) ++integerDigits;
      if (separator && !significant) ++fractionZeros;
    } else if ((c == '.' || c == ',') && !separator) {
      separator = true;
      plain += '.';
    } else {
      break;
    }
  }
  if (digits == 0) return {};
  long long exponent = 0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    plain += 'e';
    ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
      negative = text[i] == '-';
      plain += text[i++];
    }
    const size_t exponentStart = i;
    for (; i < text.size() && isDigit(text[i]); ++i) {
      plain += text[i];
      if (exponent < 1000000) exponent = exponent * 10 + (text[i] - '0');
    }
    if (i == exponentStart) return {};
    if (negative) exponent = -exponent;
  }
  if (i != text.size()) return {};

  double value = 0.0;
  const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
  if (error == std::errc::result_out_of_range) {
    // Too small to be told from zero reads as zero, as a stream reads it; too large is refused.
    const long long power = integerDigits > 0 ? integerDigits - 1 : -(fractionZeros + 1);
    if (power + exponent < 0) return {FieldNumber::Status::Ok, 0.0};
    return {FieldNumber::Status::OutOfRange, 0.0};
  }
  if (error != std::errc() || end != plain.data() + plain.size()) return {};
  if (!std::isfinite(value) || std::abs(value) > std::numeric_limits<float>::max())
    return {FieldNumber::Status::OutOfRange, 0.0};
  return {FieldNumber::Status::Ok, value};
}

}  // namespace engine
