// The shortest decimal of a float or double, and reading a double, through the C library.
#include "web/module/float_charconv.h"

#if defined(__EMSCRIPTEN__)
#include <emscripten.h>
#endif

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

namespace web {

namespace {

// A decimal d.ddd × 10^exponent with `digits` significant digits as an integer.
struct Decimal {
  uint64_t mantissa = 0;
  int digits = 0;
  int exponent = 0;
};

float readBack(const std::string& text, float) { return std::strtof(text.c_str(), nullptr); }
double readBack(const std::string& text, double) { return std::strtod(text.c_str(), nullptr); }

#if defined(__EMSCRIPTEN__)
// JavaScript's own conversion of numbers finds the shortest digits exactly and fast: for a
// double, toExponential() without digits gives the fewest that read back, the closest of those;
// for a float, the fewest whose double reads back as the float through Math.fround, trying the
// neighbour on the other side too, and of two equally near the even one. Writes the digits,
// returns their count, sets the exponent.
// clang-format off
EM_JS(int, javascriptDigits, (double value, int single, char* digits, int* exponent), {
  function parse(text) {
    var e = text.indexOf("e");
    return { digits: text.slice(0, e).replace(".", ""), exponent: Number(text.slice(e + 1)) };
  }
  function readsBack(d) {
    var text = d.digits + "e" + (d.exponent - d.digits.length + 1);
    return Math.fround(Number(text)) === value;
  }
  function step(d, by) {
    var lowest = Math.pow(10, d.digits.length - 1);
    var m = Number(d.digits) + by;
    var e = d.exponent;
    if (m === lowest * 10) { m = lowest; e += 1; }
    else if (m < lowest) { m = lowest * 10 - 1; e -= 1; }
    return { digits: String(m), exponent: e };
  }
  var found = parse(value.toExponential());
  if (single) {
    // The nearest decimal of p digits, or the one on the other side of the value.
    var choose = function (p) {
      var nearest = parse(value.toExponential(p - 1));
      if (readsBack(nearest)) {
        // toExponential rounds a value halfway between two decimals up; the even one is closest.
        // Only an odd last digit whose lower neighbour reads back too needs the exact digits.
        var odd = Number(nearest.digits.charAt(nearest.digits.length - 1)) % 2 === 1;
        if (!odd) return nearest;
        var lower = step(nearest, -1);
        if (!readsBack(lower)) return nearest;
        var exact = parse(value.toExponential(p + 30)).digits;
        var halfway = exact.charAt(p) === "5" && Number(exact.slice(p + 1)) === 0;
        return halfway ? lower : nearest;
      }
      var below = step(nearest, -1);
      if (readsBack(below)) return below;
      var above = step(nearest, 1);
      return readsBack(above) ? above : null;
    };
    // Whether some p digits read back grows with p: the fewest are found by halving.
    var low = 1;
    var high = 9;
    var chosen = null;
    while (low < high) {
      var middle = (low + high) >> 1;
      var tried = choose(middle);
      if (tried !== null) { high = middle; chosen = tried; } else low = middle + 1;
    }
    found = chosen !== null && chosen.digits.length === low ? chosen : choose(low);
  }
  stringToUTF8(found.digits, digits, 32);
  HEAP32[exponent >> 2] = found.exponent;
  return found.digits.length;
});
// clang-format on

template <typename Float>
Decimal shortest(Float value, int) {
  char digits[32];
  Decimal d;
  const int count = javascriptDigits(static_cast<double>(value), sizeof(Float) == sizeof(float),
                                     digits, &d.exponent);
  d.digits = count;
  for (int i = 0; i < count; ++i)
    d.mantissa = d.mantissa * 10 + static_cast<uint64_t>(digits[i] - '0');
  return d;
}
#else
uint64_t powerOfTen(int n) {
  uint64_t result = 1;
  for (int i = 0; i < n; ++i) result *= 10;
  return result;
}

std::string scientificText(const Decimal& d) {
  char text[48];
  std::snprintf(text, sizeof text, "%llue%d", static_cast<unsigned long long>(d.mantissa),
                d.exponent - (d.digits - 1));
  return text;
}

template <typename Float>
bool readsBackAs(const Decimal& d, Float value) {
  return readBack(scientificText(d), value) == value;
}

// The value (finite, above zero) rounded to `digits` significant digits, as printf rounds it.
Decimal rounded(double value, int digits) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*e", digits - 1, value);
  Decimal d;
  d.digits = digits;
  const char* p = text;
  for (; *p != 'e'; ++p)
    if (*p >= '0' && *p <= '9') d.mantissa = d.mantissa * 10 + static_cast<uint64_t>(*p - '0');
  d.exponent = std::atoi(p + 1);
  return d;
}

Decimal step(Decimal d, int direction) {
  const uint64_t lowest = powerOfTen(d.digits - 1);
  if (direction > 0) {
    if (++d.mantissa == lowest * 10) {
      d.mantissa = lowest;
      ++d.exponent;
    }
  } else if (d.mantissa == lowest) {
    d.mantissa = lowest * 10 - 1;
    --d.exponent;
  } else {
    --d.mantissa;
  }
  return d;
}

// The fewest digits that read back as `value`; of those, the closest to it.
template <typename Float>
Decimal shortest(Float value, int maxDigits) {
  for (int digits = 1; digits < maxDigits; ++digits) {
    const Decimal nearest = rounded(value, digits);
    if (readsBackAs(nearest, value)) return nearest;
    // The nearest decimal lies outside the values that read back; the one on the other side
    // of the value may still lie inside, where the gap to the next float is the wider one.
    for (int direction : {-1, 1}) {
      const Decimal other = step(nearest, direction);
      if (readsBackAs(other, value)) return other;
    }
  }
  return rounded(value, maxDigits);
}
#endif

template <typename Float>
std::to_chars_result write(char* first, char* last, Float value, int maxDigits) {
  std::string text;
  if (std::signbit(value)) text += '-';
  if (std::isnan(value)) {
    text += "nan";
  } else if (std::isinf(value)) {
    text += "inf";
  } else if (value == 0) {
    text += '0';
  } else {
    const Float magnitude = std::fabs(value);
    const Decimal d = shortest(magnitude, maxDigits);
    std::string digits = std::to_string(d.mantissa);
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    const int n = static_cast<int>(digits.size());
    const int e = d.exponent;

    std::string scientific = digits.substr(0, 1);
    if (n > 1) scientific += "." + digits.substr(1);
    char exponent[16];
    std::snprintf(exponent, sizeof exponent, "e%c%02d", e < 0 ? '-' : '+', e < 0 ? -e : e);
    scientific += exponent;

    std::string fixed;
    if (e >= n - 1) {
      // Digits beyond the shortest ones are the value's own: an integer is written exactly.
      if (e < 19) {
        fixed = std::to_string(static_cast<uint64_t>(magnitude));
      } else {
        char whole[400];
        std::snprintf(whole, sizeof whole, "%.0f", static_cast<double>(magnitude));
        fixed = whole;
      }
    } else if (e >= 0) {
      fixed = digits.substr(0, static_cast<size_t>(e) + 1) + "." +
              digits.substr(static_cast<size_t>(e) + 1);
    } else {
      fixed = "0." + std::string(static_cast<size_t>(-e - 1), '0') + digits;
    }
    text += fixed.size() <= scientific.size() ? fixed : scientific;
  }
  if (text.size() > static_cast<size_t>(last - first)) return {last, std::errc::value_too_large};
  std::memcpy(first, text.data(), text.size());
  return {first + text.size(), std::errc()};
}

bool startsWithIgnoringCase(const char* p, const char* last, const char* word) {
  for (; *word != '\0'; ++p, ++word) {
    if (p == last) return false;
    const char c = (*p >= 'A' && *p <= 'Z') ? static_cast<char>(*p - 'A' + 'a') : *p;
    if (c != *word) return false;
  }
  return true;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

template <typename Float>
std::from_chars_result readDecimal(const char* first, const char* last, Float& value) {
  const char* p = first;
  const bool negative = p != last && *p == '-';
  if (negative) ++p;
  if (startsWithIgnoringCase(p, last, "inf")) {
    p += startsWithIgnoringCase(p, last, "infinity") ? 8 : 3;
    value =
        negative ? -std::numeric_limits<Float>::infinity() : std::numeric_limits<Float>::infinity();
    return {p, std::errc()};
  }
  if (startsWithIgnoringCase(p, last, "nan")) {
    p += 3;
    // "nan(chars)" takes its brackets only when they close.
    if (p != last && *p == '(') {
      const char* q = p + 1;
      while (q != last &&
             (isDigit(*q) || (*q >= 'a' && *q <= 'z') || (*q >= 'A' && *q <= 'Z') || *q == '_'))
        ++q;
      if (q != last && *q == ')') p = q + 1;
    }
    value = negative ? -std::numeric_limits<Float>::quiet_NaN()
                     : std::numeric_limits<Float>::quiet_NaN();
    return {p, std::errc()};
  }
  bool digits = false;
  bool nonZero = false;
  auto takeDigits = [&] {
    for (; p != last && isDigit(*p); ++p) {
      digits = true;
      nonZero = nonZero || *p != '0';
    }
  };
  takeDigits();
  if (p != last && *p == '.') {
    ++p;
    takeDigits();
  }
  if (!digits) return {first, std::errc::invalid_argument};
  if (p != last && (*p == 'e' || *p == 'E')) {
    const char* exponent = p + 1;
    if (exponent != last && (*exponent == '+' || *exponent == '-')) ++exponent;
    if (exponent != last && isDigit(*exponent)) {
      p = exponent;
      while (p != last && isDigit(*p)) ++p;
    }
  }
  const std::string text(first, p);
  const Float result = readBack(text, Float{});
  if (std::isinf(result) || (nonZero && result == 0)) return {p, std::errc::result_out_of_range};
  value = result;
  return {p, std::errc()};
}

}  // namespace

std::to_chars_result shortestChars(char* first, char* last, float value) {
  return write(first, last, value, 9);
}

std::to_chars_result shortestChars(char* first, char* last, double value) {
  return write(first, last, value, 17);
}

std::from_chars_result decimalFromChars(const char* first, const char* last, double& value) {
  return readDecimal(first, last, value);
}

std::from_chars_result decimalFromChars(const char* first, const char* last, float& value) {
  return readDecimal(first, last, value);
}

}  // namespace web
