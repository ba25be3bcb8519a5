// The browser build's floating-point <charconv> functions against the standard library's own.
#include "web/module/float_charconv.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <type_traits>
#include <vector>

namespace {

template <typename Float>
std::string standardText(Float value) {
  char text[64];
  const auto result = std::to_chars(text, text + sizeof text, value);
  return std::string(text, result.ptr);
}

template <typename Float>
std::string webText(Float value) {
  char text[64];
  const auto result = web::shortestChars(text, text + sizeof text, value);
  EXPECT_EQ(result.ec, std::errc());
  return std::string(text, result.ptr);
}

template <typename Float, typename Bits>
Float fromBits(Bits bits) {
  Float value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

// Values where the choice of notation or of the last digit is delicate.
template <typename Float>
std::vector<Float> edgeValues() {
  std::vector<Float> values = {0,
                               -0.0f,
                               1,
                               -1,
                               0.1f,
                               0.0001f,
                               0.00001f,
                               100000,
                               123456,
                               1234567,
                               16777216,
                               16777218,
                               123456792,
                               1e10f,
                               3e10f,
                               std::numeric_limits<Float>::max(),
                               std::numeric_limits<Float>::min(),
                               std::numeric_limits<Float>::denorm_min(),
                               std::numeric_limits<Float>::epsilon(),
                               std::numeric_limits<Float>::infinity(),
                               -std::numeric_limits<Float>::infinity()};
  for (int e = -60; e <= 60; ++e) {
    values.push_back(std::ldexp(Float{1}, e));  // the wider gap lies above a power of two
    values.push_back(static_cast<Float>(std::pow(10.0, e / 2)));
  }
  for (int i = 0; i < 2000; ++i) values.push_back(static_cast<Float>(i) * Float{0.01});
  return values;
}

// The edge values, then `count` random bit patterns (NaNs left out), each written as the
// standard library writes it; stops at the first random one that differs.
template <typename Float, typename Bits, typename Random>
void expectEdgesAndRandomBitsAsStandard(int count) {
  for (Float value : edgeValues<Float>()) EXPECT_EQ(webText(value), standardText(value)) << value;
  Random random(20240521);
  for (int i = 0; i < count; ++i) {
    const Float value = fromBits<Float>(static_cast<Bits>(random()));
    if (std::isnan(value)) continue;
    ASSERT_EQ(webText(value), standardText(value)) << std::hexfloat << value;
  }
}

TEST(ShortestChars, WritesFloatsAsTheStandardLibraryDoes) {
  expectEdgesAndRandomBitsAsStandard<float, uint32_t, std::mt19937>(40000);
}

TEST(ShortestChars, WritesDoublesAsTheStandardLibraryDoes) {
  ASSERT_NO_FATAL_FAILURE(
      (expectEdgesAndRandomBitsAsStandard<double, uint64_t, std::mt19937_64>(20000)));
  // Numbers as the analysis makes them: floats widened, short decimals, quotients.
  for (int i = 1; i < 4000; ++i) {
    const double quotient = 1.0 / i;
    ASSERT_EQ(webText(quotient), standardText(quotient)) << quotient;
    const double widened = static_cast<float>(500.0 + i * 0.01);
    ASSERT_EQ(webText(widened), standardText(widened)) << widened;
  }
}

TEST(ShortestChars, SaysWhenTheBufferIsTooShort) {
  char text[4];
  EXPECT_EQ(web::shortestChars(text, text + sizeof text, 0.125f).ec, std::errc::value_too_large);
  EXPECT_EQ(web::shortestChars(text, text + sizeof text, 0.5).ec, std::errc());
}

// The text read by the browser build's decimalFromChars and by std::from_chars, each into a value
// that starts at -7: the same error, the same end and the same value (a NaN for a NaN).
template <typename Float>
void expectReadAsTheStandardLibrary(const char* text) {
  const char* last = text + std::strlen(text);
  const char* type = std::is_same_v<Float, float> ? "float " : "double ";
  Float expected = -7;
  const auto standard = std::from_chars(text, last, expected);
  Float value = -7;
  const auto ours = web::decimalFromChars(text, last, value);
  EXPECT_EQ(ours.ec, standard.ec) << type << text;
  EXPECT_EQ(ours.ptr - text, standard.ptr - text) << type << text;
  if (std::isnan(expected)) {
    EXPECT_TRUE(std::isnan(value)) << type << text;
  } else {
    EXPECT_EQ(value, expected) << type << text;
  }
}

TEST(DecimalFromChars, ReadsAsTheStandardLibraryDoes) {
  const char* const texts[] = {"0",
                               "-0",
                               "2.5",
                               "-2.5",
                               "2.",
                               ".5",
                               ".",
                               "-",
                               "+1",
                               " 1",
                               "1e5",
                               "1E+05",
                               "1e-5",
                               "1e",
                               "1e+",
                               "1ex",
                               "0x10",
                               "-0x1p3",
                               "inf",
                               "-INF",
                               "infinity",
                               "infinit",
                               "nan",
                               "NaN(abc)",
                               "nan(",
                               "nan()",
                               "1e309",
                               "-1e309",
                               "1e-310",
                               "2e-324",
                               "3e-324",
                               "1e-400",
                               "0e999",
                               "00012",
                               "1.5.5",
                               "12abc",
                               "",
                               "e5",
                               "99999999999999999999e-5",
                               "1,5",
                               "0.1000000000000000055511151231257827"};
  for (const char* text : texts) {
    expectReadAsTheStandardLibrary<double>(text);
    expectReadAsTheStandardLibrary<float>(text);
  }
  for (const char* text : {"3.4028235e38", "3.4028236e38", "3.5e38", "1e-45", "7e-46", "1e-46",
                           "1.17549435e-38", "16777217", "0.1"})
    expectReadAsTheStandardLibrary<float>(text);
  std::mt19937_64 random(7);
  for (int i = 0; i < 20000; ++i) {
    const double original = fromBits<double>(static_cast<uint64_t>(random()));
    if (!std::isfinite(original)) continue;
    char text[64];
    std::snprintf(text, sizeof text, "%.*g", static_cast<int>(random() % 17) + 1, original);
    expectReadAsTheStandardLibrary<double>(text);
  }
}

}  // namespace
