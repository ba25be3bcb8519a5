// Fuzz target: both number formats over any double or float, checked against exact decimal
// rounding.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstring>
#include <string>

#include "engine/number_format.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/number_text.h"

namespace {

using fuzz::Decimal;

std::string describe(double value, int precision, int digits, const std::string& text) {
  char line[160];
  std::snprintf(line, sizeof line, "%.17g (%a) P%d D%d -> \"%s\"", value, value, precision, digits,
                text.c_str());
  return line;
}

std::string nonFiniteText(double value) {
  if (std::isnan(value)) return "NAN";
  return value < 0 ? "-INF" : "INF";
}

// The text read back as a number, whatever the separator.
long double readBack(std::string text, char separator) {
  std::replace(text.begin(), text.end(), separator, '.');
  return std::strtold(text.c_str(), nullptr);
}

// One value's text in one format, with the precision and digits the format clamps its
// arguments to (1..15 significant digits, 0..4 exponent digits or decimals).
struct Formatted {
  Formatted(double value, std::string text, int rawPrecision, int rawDigits)
      : value(value),
        text(std::move(text)),
        precision(std::clamp(rawPrecision, 1, 15)),
        digits(std::clamp(rawDigits, 0, 4)) {}

  std::string why() const { return describe(value, precision, digits, text); }

  double value;
  std::string text;
  int precision;
  int digits;
};

// The general format of a finite value.
void checkGeneral(const Formatted& formatted, char separator) {
  const auto& [value, text, precision, digits] = formatted;
  const auto why = [&] { return formatted.why(); };
  FUZZ_CHECK(fuzz::scanGeneral(text, 0, separator, precision, digits) == text.size(), why());
  Decimal written;
  FUZZ_CHECK(fuzz::readDecimal(text, separator, written), why());
  Decimal expected = fuzz::roundToSignificant(fuzz::exactDecimal(value), precision);
  if (expected.digits.empty()) expected.negative = false;
  FUZZ_CHECK(written == expected, why() + " expected " + expected.str());
  const long double back = readBack(text, separator);
  FUZZ_CHECK(std::fabs(back - value) <
                     std::fabs(static_cast<long double>(value)) * std::pow(10.0L, 1 - precision) ||
                 value == 0,
             why());
}

// The fixed format of a finite value: `digits` are its decimals.
void checkFixed(const Formatted& formatted, char separator) {
  const auto& [value, text, precision, decimals] = formatted;
  const auto why = [&] { return formatted.why(); };
  const Decimal exact = fuzz::exactDecimal(value);
  const Decimal significant = fuzz::roundToSignificant(exact, precision);
  Decimal written;
  FUZZ_CHECK(fuzz::readDecimal(text, separator, written), why());
  const long double back = readBack(text, separator);
  const long double magnitude = std::fabs(static_cast<long double>(value));

  if (!significant.digits.empty() && significant.exponent >= precision) {
    // Too many digits before the separator: the general format's scientific notation.
    FUZZ_CHECK(text.find('E') != std::string::npos, why());
    FUZZ_CHECK(fuzz::scanGeneral(text, 0, separator, precision, 2) == text.size(), why());
    FUZZ_CHECK(written == significant, why() + " expected " + significant.str());
    FUZZ_CHECK(std::fabs(back - value) < magnitude * std::pow(10.0L, 1 - precision), why());
    return;
  }
  // Exactly `decimals` digits after the separator, one rounding at the coarser place.
  const size_t start = text[0] == '-' ? 1 : 0;
  const size_t mark = text.find(separator);
  const size_t wholeEnd = decimals > 0 ? mark : text.size();
  FUZZ_CHECK(wholeEnd != std::string::npos && wholeEnd > start, why());
  FUZZ_CHECK(text.size() - wholeEnd == size_t(decimals > 0 ? decimals + 1 : 0), why());
  FUZZ_CHECK(wholeEnd - start == 1 || text[start] != '0', why());
  for (size_t i = start; i < text.size(); ++i)
    FUZZ_CHECK(i == wholeEnd || fuzz::isDigit(text[i]), why());
  Decimal expected = fuzz::roundAt(
      exact, std::max(exact.digits.empty() ? 0 : exact.exponent - precision + 1, -decimals));
  if (expected.digits.empty()) expected.negative = false;  // a text of zeros has no sign
  FUZZ_CHECK(written == expected, why() + " expected " + expected.str());
  const long double allowed =
      std::max(magnitude * std::pow(10.0L, 1 - precision), 0.5L * std::pow(10.0L, -decimals));
  // The read-back itself is off by up to half a unit of the long double.
  FUZZ_CHECK(std::fabs(back - value) <= allowed + 4 * LDBL_EPSILON * std::fabs(back), why());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  const bool asFloat = in.ConsumeBool();
  const char separator = in.ConsumeBool() ? ',' : '.';
  // A little beyond the documented ranges, to cover the clamping as well.
  const int precision = in.ConsumeIntegralInRange(-2, 18);
  const int digits = in.ConsumeIntegralInRange(-2, 6);
  double value = 0;
  if (asFloat) {
    const uint32_t bits = in.ConsumeIntegral<uint32_t>();
    float single;
    std::memcpy(&single, &bits, sizeof single);
    value = single;
  } else {
    const uint64_t bits = in.ConsumeIntegral<uint64_t>();
    std::memcpy(&value, &bits, sizeof value);
  }
  const Formatted general(value, engine::formatGeneral(value, precision, digits, separator),
                          precision, digits);
  const Formatted fixed(value, engine::formatFixed(value, precision, digits, separator), precision,
                        digits);
  if (std::isfinite(value)) {
    checkGeneral(general, separator);
    checkFixed(fixed, separator);
  } else {
    // Not a number or infinite: the word, and nothing else to check.
    for (const Formatted* formatted : {&general, &fixed})
      FUZZ_CHECK(formatted->text == nonFiniteText(value), formatted->why());
  }

  const int64_t whole = static_cast<int64_t>(in.ConsumeIntegral<uint64_t>());
  FUZZ_CHECK(engine::formatInteger(whole) == std::to_string(whole), std::to_string(whole));
  return 0;
}
