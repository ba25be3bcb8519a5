// Independent readers of the program's number texts, and exact decimal rounding to check them by.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace fuzz {

inline bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A decimal number as significant digits (no leading or trailing zeros) and the
// power of ten of the first of them; zero has empty digits.
struct Decimal {
  bool negative = false;
  std::string digits;
  int exponent = 0;

  bool operator==(const Decimal& other) const {
    return negative == other.negative && digits == other.digits &&
           (digits.empty() || exponent == other.exponent);
  }
  std::string str() const {
    return (negative ? "-" : "") + (digits.empty() ? "0" : digits + "e" + std::to_string(exponent));
  }
};

// Reads "-ddd.ddd" or "-d.dddE-dd" with `separator` as the decimal mark; false for anything else.
inline bool readDecimal(const std::string& text, char separator, Decimal& out) {
  out = Decimal{};
  size_t i = 0;
  if (i < text.size() && text[i] == '-') {
    out.negative = true;
    ++i;
  }
  int pointPosition = 0;  // digits before the mark
  bool seenMark = false;
  bool seenDigit = false;
  int leadingZeros = 0;
  for (; i < text.size() && text[i] != 'E'; ++i) {
    const char c = text[i];
    if (c == separator && !seenMark) {
      seenMark = true;
      continue;
    }
    if (!isDigit(c)) return false;
    seenDigit = true;
    if (out.digits.empty() && c == '0') {
      ++leadingZeros;
    } else {
      out.digits += c;
    }
    if (!seenMark) ++pointPosition;
  }
  if (!seenDigit) return false;
  int exponent = 0;
  if (i < text.size()) {  // at 'E'
    ++i;
    bool negative = false;
    if (i < text.size() && text[i] == '-') {
      negative = true;
      ++i;
    }
    if (i == text.size()) return false;
    for (; i < text.size(); ++i) {
      if (!isDigit(text[i]) || exponent > 100000) return false;
      exponent = exponent * 10 + (text[i] - '0');
    }
    if (negative) exponent = -exponent;
  }
  while (!out.digits.empty() && out.digits.back() == '0') out.digits.pop_back();
  out.exponent = pointPosition - leadingZeros - 1 + exponent;
  return true;
}

// The exact decimal value of a finite double (glibc prints every digit when asked for
// enough of them), kept to 801 significant digits, which is more than any double has.
inline Decimal exactDecimal(double value) {
  static char text[1000];
  std::snprintf(text, sizeof text, "%.800e", std::fabs(value));
  Decimal result;
  result.negative = std::signbit(value);
  const char* p = text;
  for (; *p != 'e'; ++p)
    if (isDigit(*p)) result.digits += *p;
  result.exponent = std::atoi(p + 1);
  while (!result.digits.empty() && result.digits.back() == '0') result.digits.pop_back();
  return result;
}

// Rounds half away from zero so that the last kept digit stands for 10^lastPosition.
inline Decimal roundAt(const Decimal& exact, int lastPosition) {
  Decimal r = exact;
  if (r.digits.empty()) return r;
  const int keep = exact.exponent - lastPosition + 1;
  if (keep < 0) return Decimal{exact.negative, "", 0};
  const bool up = static_cast<size_t>(keep) < r.digits.size() && r.digits[size_t(keep)] >= '5';
  if (static_cast<size_t>(keep) < r.digits.size()) r.digits.resize(size_t(keep));
  if (up) {
    int i = keep - 1;
    for (; i >= 0 && r.digits[size_t(i)] == '9'; --i) r.digits[size_t(i)] = '0';
    if (i >= 0) {
      ++r.digits[size_t(i)];
    } else {
      r.digits.insert(r.digits.begin(), '1');
      ++r.exponent;
    }
  }
  while (!r.digits.empty() && r.digits.back() == '0') r.digits.pop_back();
  if (r.digits.empty()) r.exponent = 0;
  return r;
}

inline Decimal roundToSignificant(const Decimal& exact, int significant) {
  return roundAt(exact, exact.exponent - significant + 1);
}

// Scans one number in the general format from text[pos]: "INF", "-INF", "NAN", fixed
// notation with at most `precision` significant digits, no trailing fraction zeros and a
// magnitude of at least 0.00001, or a mantissa d.ddd with "E", an optional "-" and at least
// `exponentDigits` digits, used exactly when the exponent is at least `precision` or below
// -5. Returns the position after the number, or std::string::npos when none is there.
inline size_t scanGeneral(const std::string& text, size_t pos, char separator, int precision,
                          int exponentDigits) {
  const auto startsWith = [&](const char* word) {
    return text.compare(pos, std::string(word).size(), word) == 0;
  };
  if (startsWith("-INF")) return pos + 4;
  if (startsWith("INF") || startsWith("NAN")) return pos + 3;
  constexpr size_t kNone = std::string::npos;
  size_t i = pos;
  const bool negative = i < text.size() && text[i] == '-';
  if (negative) ++i;
  const size_t wholeStart = i;
  while (i < text.size() && isDigit(text[i])) ++i;
  const std::string whole = text.substr(wholeStart, i - wholeStart);
  if (whole.empty()) return kNone;
  std::string fraction;
  if (i + 1 < text.size() && text[i] == separator && isDigit(text[i + 1])) {
    const size_t fractionStart = ++i;
    while (i < text.size() && isDigit(text[i])) ++i;
    fraction = text.substr(fractionStart, i - fractionStart);
    if (fraction.back() == '0') return kNone;
  }
  if (i < text.size() && text[i] == 'E') {
    ++i;
    const bool negativeExponent = i < text.size() && text[i] == '-';
    if (negativeExponent) ++i;
    const size_t exponentStart = i;
    while (i < text.size() && isDigit(text[i])) ++i;
    const std::string digits = text.substr(exponentStart, i - exponentStart);
    if (digits.empty() || digits.size() > 6) return kNone;
    if (int(digits.size()) < exponentDigits) return kNone;
    if (int(digits.size()) > std::max(exponentDigits, 1) && digits[0] == '0') return kNone;
    const int exponent = (negativeExponent ? -1 : 1) * std::atoi(digits.c_str());
    if (whole.size() != 1 || whole[0] == '0') return kNone;
    if (int(1 + fraction.size()) > precision) return kNone;
    if (exponent < precision && exponent >= -5) return kNone;  // fixed notation was due
    return i;
  }
  // Fixed notation.
  if (whole.size() > 1 && whole[0] == '0') return kNone;
  if (int(whole.size()) > precision) return kNone;
  const std::string all = whole + fraction;
  const size_t firstSignificant = all.find_first_not_of('0');
  if (firstSignificant == std::string::npos) return negative ? kNone : i;  // "0", never "-0"
  if (int(all.size() - firstSignificant) > precision) return kNone;
  if (whole == "0" && fraction.find_first_not_of('0') > 4) return kNone;  // below 0.00001
  return i;
}

// Scans a whole number: an optional "-", then "0" or digits without a leading zero.
inline size_t scanInteger(const std::string& text, size_t pos) {
  size_t i = pos;
  if (i < text.size() && text[i] == '-') ++i;
  const size_t start = i;
  while (i < text.size() && isDigit(text[i])) ++i;
  if (i == start || (i - start > 1 && text[start] == '0')) return std::string::npos;
  if (text.compare(pos, i - pos, "-0") == 0) return std::string::npos;
  return i;
}

}  // namespace fuzz
