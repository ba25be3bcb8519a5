// The engine's number reading against formatted stream input in the classic locale, which it
// stands in for so that every platform reads a file alike.
#include "engine/classic_stream.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <sstream>
#include <string>

namespace engine {
namespace {

struct Reading {
  bool ok = false;
  float value = 0.0f;
  std::streamoff position = 0;
  bool eof = false;
  bool operator==(const Reading& other) const {
    return ok == other.ok && std::memcmp(&value, &other.value, sizeof value) == 0 &&
           position == other.position && eof == other.eof;
  }
};

std::ostream& operator<<(std::ostream& out, const Reading& r) {
  return out << "{ok " << r.ok << ", " << r.value << ", at " << r.position << ", eof " << r.eof
             << "}";
}

template <typename Read>
std::vector<Reading> readAll(const std::string& text, Read read) {
  std::istringstream in(text);
  useClassicLocale(in);
  std::vector<Reading> readings;
  for (int i = 0; i < 8; ++i) {
    Reading r;
    r.ok = read(in, r.value);
    r.eof = in.eof();
    in.clear();
    r.position = in.tellg();
    readings.push_back(r);
    if (!r.ok) {
      // Reading goes on after the character that stopped it, as a reader skipping on would.
      if (in.get() == std::char_traits<char>::eof()) break;
    }
  }
  return readings;
}

bool streamFloat(std::istream& in, float& out) {
  float value = 0.0f;
  if (!(in >> value)) return false;
  out = value;
  return true;
}

bool streamInteger(std::istream& in, int32_t& out) {
  int32_t value = 0;
  if (!(in >> value)) return false;
  out = value;
  return true;
}

bool engineInteger(std::istream& in, float& out) {
  int32_t value = 0;
  if (!readInteger(in, value)) return false;
  out = static_cast<float>(value);
  return true;
}

bool referenceInteger(std::istream& in, float& out) {
  int32_t value = 0;
  if (!streamInteger(in, value)) return false;
  out = static_cast<float>(value);
  return true;
}

TEST(ClassicStream, ReadsWhatTheFileSaysWhateverTheLibrary) {
  struct Case {
    const char* text;
    std::vector<float> values;  // read before the first failure
  };
  const Case cases[] = {
      {"1 2.5 -3e2 +.5 7.", {1, 2.5f, -300, 0.5f, 7}},
      {"inf 5", {}},
      {"nan 5", {}},
      {"0x10 5", {0}},  // "0", then "x10" is no number
      {"1e-50 1e-40", {0, 1e-40f}},
      {"1e39", {}},
      {"1.5.3", {1.5f, 0.3f}},
      {"1e+", {}},
      {"00012", {12}},
  };
  for (const Case& c : cases) {
    std::istringstream in(c.text);
    useClassicLocale(in);
    std::vector<float> values;
    float value = 0.0f;
    while (readFloat(in, value)) values.push_back(value);
    EXPECT_EQ(values, c.values) << c.text;
  }
}

#if defined(__GLIBCXX__)
// Where the standard library is the one the program has always read with, it must agree with
// it character for character: on the value, on where the read ended and on the end of file.
TEST(ClassicStream, AgreesWithLibstdcxxOnRandomTexts) {
  static constexpr char kAlphabet[] = "0123456789000+-..eEe x\tinfa,";
  std::mt19937 random(42);
  for (int i = 0; i < 30000; ++i) {
    std::string text;
    const int length = static_cast<int>(random() % 14);
    for (int j = 0; j < length; ++j) text += kAlphabet[random() % (sizeof kAlphabet - 1)];
    ASSERT_EQ(readAll(text, readFloat), readAll(text, streamFloat)) << "[" << text << "]";
    ASSERT_EQ(readAll(text, engineInteger), readAll(text, referenceInteger)) << "[" << text << "]";
  }
  for (const char* text :
       {"3.4028235e38", "3.4028236e38", "-3.5e38", "1e-45", "7e-46", "-1e-46", "1e99999999999",
        "1e-99999999999", "0e999999999999", "2147483647", "2147483648", "-2147483648",
        "-2147483649", "99999999999999999999", "0.000000000000000000000000000000000000000001"}) {
    EXPECT_EQ(readAll(text, readFloat), readAll(text, streamFloat)) << text;
    EXPECT_EQ(readAll(text, engineInteger), readAll(text, referenceInteger)) << text;
  }
}
#endif

}  // namespace
}  // namespace engine
