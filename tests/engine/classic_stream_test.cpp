// Tests of reading one number: the same as formatted stream input, but never longer than 1,000
// characters, in the sample and in the table.
#include "engine/classic_stream.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <sstream>

#include "engine/critical_points.h"
#include "engine/read_stop.h"
#include "engine/sample_reader.h"

namespace engine {
namespace {

uint32_t bitsOf(float value) {
  uint32_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}

// What a read did: whether it succeeded, the value, the stream's state and what it left.
template <typename Value>
struct Outcome {
  bool read = false;
  Value value{};
  bool eof = false;
  std::string rest;
};

std::string restOf(std::istream& in) {
  in.clear();
  std::ostringstream rest;
  rest << in.rdbuf();
  return rest.str();
}

template <typename Value>
Outcome<Value> byStream(const std::string& text) {
  std::istringstream in(text);
  useClassicLocale(in);
  Outcome<Value> outcome;
  outcome.read = static_cast<bool>(in >> outcome.value);
  if (!outcome.read) outcome.value = Value{};
  outcome.eof = in.eof();
  outcome.rest = restOf(in);
  return outcome;
}

template <typename Value>
Outcome<Value> byReader(const std::string& text) {
  std::istringstream in(text);
  useClassicLocale(in);
  Outcome<Value> outcome;
  if constexpr (std::is_same_v<Value, float>) {
    outcome.read = readFloat(in, outcome.value);
  } else {
    outcome.read = readInteger(in, outcome.value);
  }
  EXPECT_EQ(in.fail(), !outcome.read) << text;
  outcome.eof = in.eof();
  outcome.rest = restOf(in);
  return outcome;
}

// Everything a formatted read could stop inside, or round, or refuse.
const char* const kTexts[] = {
    "",
    " ",
    "+",
    "-",
    ".",
    "-.",
    "+.5",
    "1.",
    ".5",
    "1.5.5",
    "1..5",
    "1e",
    "1e+",
    "1e-",
    "1E-3x",
    "1e5e3",
    "1.e3",
    ".e3",
    "e5",
    "1e+-5",
    "+-1",
    "--1",
    "12,5",
    "  7 8",
    "\n\t\v\f\r-3",
    "0x1p3",
    "0X10",
    "inf",
    "-infinity",
    "nan",
    "1e50",
    "-1e50",
    "1e-50",
    "1e-45",
    "7e-46",
    "3.4028235e38",
    "3.4028236e38",
    "1.17549435e-38",
    "00012",
    "-0",
    "0e0",
    "0.000",
    "000",
    "9999999999",
    "2147483647",
    "2147483648",
    "-2147483648",
    "-2147483649",
    "1a",
    "12 ",
    "99999999999999999999999",
    "0,5",
    "\xEF\xBB\xBF"
    "1",
    "1\xC2\xA0"
    "2",
};

// The text read as a float and as a whole number, by the reader and by the stream: the same
// success, value (a float's bit for bit), end-of-file state and rest.
void expectReadAsByTheStream(const std::string& text) {
  const Outcome<float> floatByStream = byStream<float>(text);
  const Outcome<float> floatByReader = byReader<float>(text);
  EXPECT_EQ(floatByReader.read, floatByStream.read);
  EXPECT_EQ(bitsOf(floatByReader.value), bitsOf(floatByStream.value));
  EXPECT_EQ(floatByReader.eof, floatByStream.eof);
  EXPECT_EQ(floatByReader.rest, floatByStream.rest);

  const Outcome<int32_t> integerByStream = byStream<int32_t>(text);
  const Outcome<int32_t> integerByReader = byReader<int32_t>(text);
  EXPECT_EQ(integerByReader.read, integerByStream.read);
  EXPECT_EQ(integerByReader.value, integerByStream.value);
  EXPECT_EQ(integerByReader.eof, integerByStream.eof);
  EXPECT_EQ(integerByReader.rest, integerByStream.rest);
}

TEST(ReadNumber, ReadsWhatTheStreamReadsAndLeavesTheSame) {
  for (const char* text : kTexts) {
    SCOPED_TRACE(std::string("«") + text + "»");
    expectReadAsByTheStream(text);
  }
}

// Numbers of a given length in every part a number has; each is a valid float, the first four
// valid whole numbers too.
std::vector<std::string> numbersOfLength(size_t length) {
  return {
      std::string(length, '1'),                    // overflows as a float
      std::string(length - 1, '0') + "1",          // leading zeros
      "-" + std::string(length - 2, '0') + "7",    // with a sign
      "+" + std::string(length - 1, '0'),          // zero
      "0." + std::string(length - 3, '0') + "5",   // a long fraction
      "1e-" + std::string(length - 4, '0') + "3",  // a long exponent
      std::string(length / 2, '0') + "." + std::string(length - length / 2 - 1, '2'),
  };
}

TEST(ReadNumber, ANumberOfMoreThan1000CharactersFailsWhereTheStreamWouldGoOn) {
  for (const size_t length : {kMaxNumberCharacters, kMaxNumberCharacters + 1}) {
    const std::vector<std::string> numbers = numbersOfLength(length);
    for (size_t i = 0; i < numbers.size(); ++i) {
      const std::string& number = numbers[i];
      ASSERT_EQ(number.size(), length);
      const std::string text = number + " 5";
      SCOPED_TRACE(std::to_string(length) + " characters: " + number.substr(0, 12) + "…");
      const bool fits = length <= kMaxNumberCharacters;
      const Outcome<float> floatByStream = byStream<float>(text);
      const Outcome<float> floatByReader = byReader<float>(text);
      EXPECT_EQ(floatByReader.read, fits && floatByStream.read);
      if (fits) {
        EXPECT_EQ(bitsOf(floatByReader.value), bitsOf(floatByStream.value));
        EXPECT_EQ(floatByReader.rest, " 5");
      }
      if (i >= 4) continue;
      const Outcome<int32_t> integerByStream = byStream<int32_t>(text);
      const Outcome<int32_t> integerByReader = byReader<int32_t>(text);
      EXPECT_EQ(integerByReader.read, fits && integerByStream.read);
      if (fits) {
        EXPECT_EQ(integerByReader.value, integerByStream.value);
      }
    }
  }
}

TEST(ReadNumber, ALongNumberEndsTheSampleWithAStopThatNamesIt) {
  for (const std::string& number : numbersOfLength(kMaxNumberCharacters + 1)) {
    SCOPED_TRACE(number.substr(0, 12) + "…");
    AnalysisState state;
    std::istringstream in("2\n10 12\n" + number + " 14\n");
    const SampleRead read = readSample(in, state);
    EXPECT_EQ(read.count, 2);
    ASSERT_TRUE(read.stop.has_value());
    EXPECT_EQ(read.stop->line, 3);
    EXPECT_EQ(read.stop->text, number.substr(0, kStopTextCharacters) + "\xE2\x80\xA6");
    EXPECT_FALSE(read.truncated);
  }
}

TEST(ReadNumber, ALongNumberInTheTableIsABadFormatWhereverItStands) {
  std::ostringstream rows;
  for (int row = 1; row <= kCriticalPointRows; ++row) rows << row << " 1 2 3 4 5 6\n";
  const std::string table = rows.str();
  const std::string longNumber = "9." + std::string(kMaxNumberCharacters, '4');
  const struct {
    const char* where;
    std::string text;
    int32_t rowsRead;
  } cases[] = {
      {"a record number",
       table.substr(0, table.find("4 1 2")) + "000" + std::string(998, '0') + "4 1 2 3 4 5 6\n", 3},
      {"row 4's 5 % point",
       table.substr(0, table.find("4 1 2")) + "4 1 2 " + longNumber + " 4 5 6\n" +
           table.substr(table.find("5 1 2")),
       4},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.where);
    CriticalPointTable read;
    std::istringstream in(c.text);
    EXPECT_EQ(readCriticalPoints(in, read), TableLoad::BadFormat);
    for (int32_t row = 1; row <= c.rowsRead; ++row) EXPECT_EQ(read.at(row, 1), 1.0f) << row;
    EXPECT_EQ(read.at(c.rowsRead + 1, 1), 0.0f);
  }
}

// The conversion is the engine's own, so that libraries that convert otherwise (the browser's
// libc++ fails on underflow) read alike; on random texts of a number's characters it must agree
// with libstdc++'s formatted input on the value, the state and what is left.
TEST(ReadNumber, AgreesWithTheStreamOnRandomTexts) {
  static constexpr char kAlphabet[] = "0123456789000+-..eEe x\tinfa,";
  std::mt19937 random(42);
  for (int i = 0; i < 20000; ++i) {
    std::string text;
    const int length = static_cast<int>(random() % 14);
    for (int j = 0; j < length; ++j) text += kAlphabet[random() % (sizeof kAlphabet - 1)];
    SCOPED_TRACE("«" + text + "»");
    expectReadAsByTheStream(text);
    if (::testing::Test::HasFailure()) return;  // the first text that differs is enough
  }
}

// More values than a sample holds: said only when another number follows the 200th.
TEST(SampleReader, SaysWhenANumberFollowsThe200thValue) {
  const auto values = [](int count) {
    std::string text = "1\n";
    for (int i = 0; i < count; ++i) text += std::to_string(i % 17) + (i % 10 == 9 ? "\n" : " ");
    return text;
  };
  const struct {
    const char* name;
    std::string text;
    int32_t count;
    bool truncated;
    bool stopped;
  } cases[] = {
      {"199 values", values(199), 199, false, false},
      {"200 values", values(200), 200, false, false},
      {"200 values and blanks", values(200) + " \n\t\n", 200, false, false},
      {"201 values", values(201), 200, true, false},
      {"350 values", values(350), 200, true, false},
      {"200 values and a word", values(200) + "конец 5 6\n", 200, false, false},
      {"200 values and an overflow", values(200) + "1e50\n", 200, false, false},
      {"200 values, a glued one", values(200).substr(0, values(200).size() - 1) + "-3", 200, true,
       false},
      {"199 values and a word", values(199) + "x 5", 199, false, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    AnalysisState state;
    std::istringstream in(c.text);
    const SampleRead read = readSample(in, state);
    EXPECT_EQ(read.count, c.count);
    EXPECT_EQ(read.truncated, c.truncated);
    EXPECT_EQ(read.stop.has_value(), c.stopped);
  }
}

}  // namespace
}  // namespace engine
