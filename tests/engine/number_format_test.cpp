// Tests of the number formats.
#include "engine/number_format.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <tuple>

namespace engine {
namespace {

struct Case {
  double value;
  int precision;
  int digits;  // exponent digits (general) or decimals (fixed)
  char separator;
  const char* expected;
};

void PrintTo(const Case& c, std::ostream* os) {
  char text[64];
  std::snprintf(text, sizeof text, "%.17g P%d D%d '%c'", c.value, c.precision, c.digits,
                c.separator);
  *os << text;
}

const double kInf = std::numeric_limits<double>::infinity();
const double kNan = std::numeric_limits<double>::quiet_NaN();

using Format = std::string (*)(double, int, int, char);

// One table of cases for each format, all checked the same way.
class FormatTable : public testing::TestWithParam<std::tuple<Format, Case>> {};

TEST_P(FormatTable, Formats) {
  const auto& [format, c] = GetParam();
  EXPECT_EQ(format(c.value, c.precision, c.digits, c.separator), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    GeneralRounding, FormatTable,
    testing::Combine(
        testing::Values(&formatGeneral),
        testing::Values(
            // Exact ties round away from zero, where printf would round to even.
            Case{1.0625, 4, 2, '.', "1.063"}, Case{-2.5, 1, 2, '.', "-3"},
            Case{0.125, 2, 2, '.', "0.13"}, Case{0.0009765625, 6, 2, '.', "0.000976563"},
            Case{12345678901234.5, 14, 2, '.', "12345678901235"},
            Case{1.25e17, 2, 2, '.', "1.3E17"}, Case{1.5e22, 1, 2, '.', "2E22"},
            // Just beside a tie, and decimals that only look like ties.
            Case{std::nextafter(1.0625, 0.0), 4, 2, '.', "1.062"},
            Case{std::nextafter(1.0625, 2.0), 4, 2, '.', "1.063"}, Case{0.35, 1, 2, '.', "0.3"},
            Case{0.15f, 1, 2, '.', "0.2"}, Case{0.45f, 1, 2, '.', "0.4"},
            Case{0.1f, 15, 2, '.', "0.100000001490116"}, Case{2.675, 3, 2, '.', "2.67"},
            // Worked numbers of the grid and the log.
            Case{12.345678f, 4, 2, '.', "12.35"}, Case{9.6032f, 4, 2, '.', "9.603"},
            Case{10.3968f, 4, 2, '.', "10.4"}, Case{0.19947f, 5, 2, '.', "0.19947"},
            Case{1.714f, 4, 2, '.', "1.714"}, Case{2.286f, 4, 2, '.', "2.286"},
            Case{-12.345678, 4, 2, '.', "-12.35"}, Case{12.345678, 4, 2, ',', "12,35"},
            // Precision is clamped to 1..15.
            Case{1.0 / 3, 0, 2, '.', "0.3"}, Case{1.0 / 3, 40, 2, '.', "0.333333333333333"})));

INSTANTIATE_TEST_SUITE_P(
    GeneralNotation, FormatTable,
    testing::Combine(
        testing::Values(&formatGeneral),
        testing::Values(
            // The switch looks at the rounded value, at both ends.
            Case{99999.836f, 5, 2, '.', "1E05"}, Case{99999.4, 5, 2, '.', "99999"},
            Case{123456, 5, 2, '.', "1.2346E05"}, Case{-123456, 5, 2, '.', "-1.2346E05"},
            Case{1e-5f, 4, 2, '.', "0.00001"}, Case{1e-5f, 15, 2, '.', "9.99999974737875E-06"},
            Case{0.0000099994, 4, 2, '.', "9.999E-06"}, Case{0.000012345, 5, 2, '.', "0.000012345"},
            Case{100, 5, 2, '.', "100"}, Case{0.5, 5, 2, '.', "0.5"},
            // Exponent digits are a minimum, clamped to 0..4.
            Case{1.234e-7, 4, 0, '.', "1.234E-7"}, Case{1.234e-7, 4, 2, '.', "1.234E-07"},
            Case{1.234e-7, 4, 4, '.', "1.234E-0007"}, Case{1.234e-7, 4, 9, '.', "1.234E-0007"},
            Case{1.234e-7, 4, -3, ',', "1,234E-7"}, Case{1.5e123, 5, 2, '.', "1.5E123"},
            Case{-1e-7, 5, 2, '.', "-1E-07"},
            // Zero, extremes and non-finite values.
            Case{0.0, 5, 2, '.', "0"}, Case{-0.0, 5, 2, '.', "0"},
            Case{DBL_MAX, 5, 2, '.', "1.7977E308"}, Case{DBL_MIN, 5, 2, '.', "2.2251E-308"},
            Case{std::numeric_limits<double>::denorm_min(), 5, 2, '.', "4.9407E-324"},
            Case{kInf, 5, 2, '.', "INF"}, Case{-kInf, 5, 2, '.', "-INF"},
            Case{kNan, 5, 2, '.', "NAN"}, Case{-kNan, 5, 2, '.', "NAN"})));

INSTANTIATE_TEST_SUITE_P(
    FixedFields, FormatTable,
    testing::Combine(
        testing::Values(&formatFixed),
        testing::Values(Case{12.345f, 3, 2, '.', "12.30"}, Case{123.456f, 3, 2, '.', "123.00"},
                        Case{1, 3, 2, '.', "1.00"}, Case{0.001234, 3, 2, '.', "0.00"},
                        Case{0.5, 3, 2, '.', "0.50"}, Case{-12.345, 3, 2, '.', "-12.30"},
                        Case{12.345f, 3, 2, ',', "12,30"},
                        // One rounding at the coarser place; a tie goes away from zero.
                        Case{0.125, 3, 2, '.', "0.13"}, Case{-0.125, 3, 2, '.', "-0.13"},
                        Case{0.005, 3, 2, '.', "0.01"}, Case{0.0049, 3, 2, '.', "0.00"},
                        Case{0.004996, 3, 2, '.', "0.00"}, Case{0.995, 3, 2, '.', "0.99"},
                        Case{9.996, 3, 2, '.', "10.00"}, Case{0.00006, 3, 4, '.', "0.0001"},
                        Case{-0.00006, 3, 4, '.', "-0.0001"}, Case{0.00004, 3, 4, '.', "0.0000"},
                        Case{2.5, 3, 0, '.', "3"}, Case{1.5, 3, 7, '.', "1.5000"},
                        // Zeros carry no sign.
                        Case{-0.001, 3, 2, '.', "0.00"}, Case{0.0, 3, 2, '.', "0.00"},
                        Case{-0.0, 3, 2, '.', "0.00"}, Case{1e-300, 3, 2, '.', "0.00"},
                        // Too many digits before the separator: scientific, two exponent digits.
                        Case{1234.5, 3, 2, '.', "1.23E03"}, Case{999.6, 3, 2, '.', "1E03"},
                        Case{-1234.5, 3, 2, ',', "-1,23E03"}, Case{999.4, 3, 2, '.', "999.00"},
                        Case{1e20, 3, 2, '.', "1E20"}, Case{DBL_MAX, 3, 2, '.', "1.8E308"},
                        Case{kInf, 3, 2, '.', "INF"}, Case{-kInf, 3, 2, '.', "-INF"},
                        Case{kNan, 3, 2, '.', "NAN"})));

// An independent reference: the exact decimal expansion of the double (glibc
// prints every digit when asked for enough), rounded half away from zero by hand.
// Returns the significant digits without trailing zeros and the exponent.
std::pair<std::string, int> exactRounded(double magnitude, int significant) {
  static char text[1200];
  std::snprintf(text, sizeof text, "%.800e", magnitude);
  std::string digits;
  const char* p = text;
  for (; *p != 'e'; ++p) {
    if (*p >= '0' && *p <= '9') digits += *p;
  }
  int exponent = std::atoi(p + 1);
  const bool up = digits[size_t(significant)] >= '5';
  digits.resize(size_t(significant));
  for (int i = significant - 1; up; --i) {
    if (i < 0) {
      digits.insert(digits.begin(), '1');
      digits.pop_back();
      ++exponent;
      break;
    }
    if (digits[size_t(i)] == '9') {
      digits[size_t(i)] = '0';
    } else {
      ++digits[size_t(i)];
      break;
    }
  }
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  return {digits, exponent};
}

// Reads either notation back into the same digits-and-exponent form.
std::pair<std::string, int> readBack(const std::string& text, bool& scientific) {
  std::string digits;
  int exponent = -1;
  bool seenSeparator = false;
  size_t i = text[0] == '-' ? 1 : 0;
  for (; i < text.size() && text[i] != 'E'; ++i) {
    if (text[i] == '.') {
      seenSeparator = true;
    } else if (digits.empty() && text[i] == '0') {
      if (seenSeparator) --exponent;
    } else {
      digits += text[i];
      if (!seenSeparator) ++exponent;
    }
  }
  scientific = i < text.size();
  if (scientific) exponent = std::atoi(text.c_str() + i + 1);
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  return {digits, exponent};
}

TEST(FormatGeneralReference, RandomDoublesRoundLikeTheExactValue) {
  std::mt19937_64 random(20240611);
  for (int i = 0; i < 20000; ++i) {
    double value;
    const uint64_t bits = random();
    if (i % 3 == 0) {  // any double, subnormals included
      std::memcpy(&value, &bits, sizeof value);
    } else {  // floats of the magnitudes a sample has
      value = double(float(std::ldexp(double(bits >> 11), -53) * std::pow(10.0, i % 25 - 12)));
    }
    if (!std::isfinite(value) || value == 0) continue;
    const int precision = 1 + i % 15;
    const std::string text = formatGeneral(value, precision, 2, '.');
    bool scientific = false;
    const auto expected = exactRounded(std::fabs(value), precision);
    ASSERT_EQ(readBack(text, scientific), expected) << text << " P" << precision;
    EXPECT_EQ(scientific, expected.second >= precision || expected.second < -5) << text;
    EXPECT_EQ(text[0] == '-', value < 0) << text;
  }
}

TEST(FormatInteger, PlainDecimal) {
  EXPECT_EQ(formatInteger(0), "0");
  EXPECT_EQ(formatInteger(200), "200");
  EXPECT_EQ(formatInteger(-17), "-17");
  EXPECT_EQ(formatInteger(INT64_MAX), "9223372036854775807");
  EXPECT_EQ(formatInteger(INT64_MIN), "-9223372036854775808");
}

}  // namespace
}  // namespace engine
