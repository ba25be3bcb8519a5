// The two number formats of every text the program shows.
#include "engine/number_format.h"

#include <algorithm>
#include <cfenv>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace engine {
namespace {

__extension__ using u128 = unsigned __int128;  // GCC and Clang on 64-bit targets

constexpr int kMaxPrecision = 15;
// The general format's least exponent digits and the fixed format's decimals are taken as 0..4.
constexpr int kMaxExponentDigits = 4;
constexpr int kMaxDecimals = 4;
// Rounding decisions need the exact value's leading digits, truncated; one
// digit beyond the largest precision is enough to see where a value lies
// against the halfway point, because a tie rounds away from zero anyway.
constexpr int kTruncatedDigits = 17;
constexpr uint64_t kTruncatedLow = 10'000'000'000'000'000ULL;    // 10^16
constexpr uint64_t kTruncatedHigh = 100'000'000'000'000'000ULL;  // 10^17
// Room for the longest text: sign, 15 digits, separator, zeros, exponent.
constexpr int kTextCapacity = 48;

constexpr uint64_t kPow10[] = {1ULL,
                               10ULL,
                               100ULL,
                               1'000ULL,
                               10'000ULL,
                               100'000ULL,
                               1'000'000ULL,
                               10'000'000ULL,
                               100'000'000ULL,
                               1'000'000'000ULL,
                               10'000'000'000ULL,
                               100'000'000'000ULL,
                               1'000'000'000'000ULL,
                               10'000'000'000'000ULL,
                               100'000'000'000'000ULL,
                               1'000'000'000'000'000ULL,
                               10'000'000'000'000'000ULL,
                               100'000'000'000'000'000ULL};

constexpr u128 pow128(unsigned base, int exponent) {
  u128 result = 1;
  for (int i = 0; i < exponent; ++i) result *= base;
  return result;
}

struct Pow5Table {
  u128 value[33];
  constexpr Pow5Table() : value{} {
    for (int i = 0; i < 33; ++i) value[i] = pow128(5, i);
  }
};
constexpr Pow5Table kPow5;

// The first kTruncatedDigits significant digits of a positive finite value,
// truncated: value = digits * 10^(exponent - 16) + rest, 0 <= rest < one unit.
struct Truncated {
  uint64_t digits;  // 10^16 <= digits < 10^17
  int exponent;     // position of the leading digit
};

// Slow but exact for every double: the C library prints exact digits and,
// in glibc, honours the rounding mode, so rounding toward zero truncates.
Truncated truncateByPrinting(double magnitude) {
  char text[kTextCapacity];
  const int previousMode = std::fegetround();
  std::fesetround(FE_TOWARDZERO);
  std::snprintf(text, sizeof text, "%.*e", kTruncatedDigits - 1, magnitude);
  std::fesetround(previousMode);

  // The decimal point follows the C locale, which the host may have changed,
  // so read digits up to the exponent mark without expecting a particular one.
  Truncated result{0, 0};
  const char* p = text;
  for (; *p != '\0' && *p != 'e'; ++p) {
    if (*p >= '0' && *p <= '9') result.digits = result.digits * 10 + uint64_t(*p - '0');
  }
  if (*p == 'e') std::from_chars(p + 1 + (p[1] == '+'), text + sizeof text, result.exponent);
  return result;
}

// Fast exact path for the magnitudes the analysis meets (about 1e-16 to 3e38),
// with 128-bit integers; false when the value is outside that range.
bool truncateByIntegers(uint64_t mantissa, int binaryExponent, Truncated& out) {
  // value = mantissa * 2^binaryExponent with 2^52 <= mantissa < 2^53, so the
  // decimal exponent is floor(log10(2^(binaryExponent + 52))) or one more.
  // 78913 / 2^18 is log10(2) close enough for this range.
  const int top = binaryExponent + 52;
  int guess = top >= 0 ? (top * 78913) >> 18 : -((-top * 78913 + (1 << 18) - 1) >> 18);
  const int scale = kTruncatedDigits - 1 - guess;  // digits = floor(value * 10^scale)
  u128 digits;
  if (scale >= 0) {
    if (scale > 32) return false;  // 2^53 * 5^32 still fits in 128 bits
    const u128 product = u128(mantissa) * kPow5.value[scale];
    const int shift = binaryExponent + scale;
    if (shift >= 0) {
      if (shift > 10) return false;  // only with a wrong guess; product >= 2^52 already
      digits = product << shift;
    } else {
      if (-shift >= 128) return false;
      digits = product >> -shift;
    }
  } else {
    if (binaryExponent > 74 || -scale > 22) return false;  // 2^127 and 10^22 bound the division
    digits = (u128(mantissa) << binaryExponent) / pow128(10, -scale);
  }
  while (digits >= kTruncatedHigh) {  // floor(floor(x) / 10) == floor(x / 10)
    digits /= 10;
    ++guess;
  }
  if (digits < kTruncatedLow) return false;
  out = {uint64_t(digits), guess};
  return true;
}

Truncated truncate(double magnitude) {
  uint64_t bits;
  std::memcpy(&bits, &magnitude, sizeof bits);
  const int biasedExponent = int(bits >> 52) & 0x7FF;
  Truncated result;
  if (biasedExponent != 0 && truncateByIntegers((bits & ((1ULL << 52) - 1)) | (1ULL << 52),
                                                biasedExponent - 1075, result)) {
    return result;
  }
  return truncateByPrinting(magnitude);
}

// A rounded decimal: value = digits * 10^(exponent - count + 1), where digits
// has exactly `count` digits; zero has digits == 0.
struct Rounded {
  uint64_t digits;
  int count;
  int exponent;
};

// Rounds to `keep` significant digits (1..16), a tie away from zero.
// keep == 0 rounds at the position above the leading digit; below that, to zero.
Rounded roundTruncated(const Truncated& t, int keep) {
  if (keep < 0) return {0, 1, 0};
  if (keep == 0) {
    if (t.digits / kPow10[kTruncatedDigits - 1] >= 5) return {1, 1, t.exponent + 1};
    return {0, 1, 0};
  }
  Rounded r{t.digits / kPow10[kTruncatedDigits - keep], keep, t.exponent};
  if (t.digits / kPow10[kTruncatedDigits - keep - 1] % 10 >= 5 && ++r.digits == kPow10[keep]) {
    r.digits = kPow10[keep - 1];
    ++r.exponent;
  }
  return r;
}

// Builds the text in a fixed buffer; it cannot overflow because precision,
// exponent digits and decimals are clamped before anything is written.
class Text {
 public:
  void put(char c) { text_[size_++] = c; }
  void putDigits(const char* digits, int count) {
    std::memcpy(text_ + size_, digits, size_t(count));
    size_ += count;
  }
  std::string str() const { return std::string(text_, size_t(size_)); }

 private:
  char text_[kTextCapacity];
  int size_ = 0;
};

// Writes r.digits as text; returns the count without trailing zeros (at least 1).
int spellDigits(const Rounded& r, char* out) {
  uint64_t d = r.digits;
  for (int i = r.count - 1; i >= 0; --i) {
    out[i] = char('0' + d % 10);
    d /= 10;
  }
  int significant = r.count;
  while (significant > 1 && out[significant - 1] == '0') --significant;
  return significant;
}

void writeScientific(Text& text, const Rounded& r, int exponentDigits, char separator) {
  char digits[20] = {};
  const int count = spellDigits(r, digits);
  text.put(digits[0]);
  if (count > 1) {
    text.put(separator);
    text.putDigits(digits + 1, count - 1);
  }
  text.put('E');
  if (r.exponent < 0) text.put('-');
  char exponent[8];
  const auto end = std::to_chars(exponent, exponent + sizeof exponent, std::abs(r.exponent)).ptr;
  for (int pad = exponentDigits - int(end - exponent); pad > 0; --pad) text.put('0');
  text.putDigits(exponent, int(end - exponent));
}

std::string nonFinite(double value) {
  if (std::isnan(value)) return "NAN";
  return std::signbit(value) ? "-INF" : "INF";
}

}  // namespace

std::string formatGeneral(double value, int precision, int exponentDigits, char decimalSeparator) {
  if (!std::isfinite(value)) return nonFinite(value);
  if (value == 0) return "0";
  precision = std::clamp(precision, 1, kMaxPrecision);
  exponentDigits = std::clamp(exponentDigits, 0, kMaxExponentDigits);

  const Rounded r = roundTruncated(truncate(std::fabs(value)), precision);
  Text text;
  if (value < 0) text.put('-');
  // The choice looks at the rounded value: 99999.9 to 5 digits is 1E05.
  if (r.exponent >= precision || r.exponent < -5) {
    writeScientific(text, r, exponentDigits, decimalSeparator);
    return text.str();
  }
  char digits[20];
  const int count = spellDigits(r, digits);
  if (r.exponent >= 0) {
    const int whole = r.exponent + 1;  // <= precision == r.count, so all are digits
    text.putDigits(digits, whole);
    if (count > whole) {
      text.put(decimalSeparator);
      text.putDigits(digits + whole, count - whole);
    }
  } else {
    text.put('0');
    text.put(decimalSeparator);
    for (int i = -1; i > r.exponent; --i) text.put('0');
    text.putDigits(digits, count);
  }
  return text.str();
}

std::string formatFixed(double value, int precision, int decimals, char decimalSeparator) {
  if (!std::isfinite(value)) return nonFinite(value);
  precision = std::clamp(precision, 1, kMaxPrecision);
  decimals = std::clamp(decimals, 0, kMaxDecimals);

  Rounded r{0, 1, 0};
  Text text;
  if (value != 0) {
    const Truncated t = truncate(std::fabs(value));
    r = roundTruncated(t, precision);
    if (r.exponent >= precision) {
      if (value < 0) text.put('-');
      writeScientific(text, r, 2, decimalSeparator);
      return text.str();
    }
    // One rounding, at whichever is coarser: the last significant digit or the
    // last decimal (0.995 to 3 digits and 2 decimals is 0.99, not 1.00).
    const int digitsToLastDecimal = t.exponent + 1 + decimals;
    if (digitsToLastDecimal < precision) r = roundTruncated(t, digitsToLastDecimal);
  }

  // A text of zeros carries no sign.
  if (value < 0 && r.digits != 0) text.put('-');
  char digits[20];
  spellDigits(r, digits);
  const auto digitAt = [&](int position) {  // position: power of ten
    const int index = r.exponent - position;
    return r.digits != 0 && index >= 0 && index < r.count ? digits[index] : '0';
  };
  for (int position = std::max(r.exponent, 0); position >= 0; --position) {
    text.put(digitAt(position));
  }
  if (decimals > 0) text.put(decimalSeparator);
  for (int position = -1; position >= -decimals; --position) text.put(digitAt(position));
  return text.str();
}

std::string formatInteger(int64_t value) {
  char text[24];
  return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
}

}  // namespace engine
