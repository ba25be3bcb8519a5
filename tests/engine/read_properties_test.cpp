// Property tests of the sample reader over random files: the count, the stop and its place.
#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "engine/sample_reader.h"

namespace engine {
namespace {

constexpr unsigned kFiles = 400;

// A token that no formatted read takes a number from, and the log's text for it.
struct BadToken {
  std::string token;
  std::string shown;
};

const std::vector<BadToken>& badTokens() {
  static const std::vector<BadToken> tokens = {
      {",5", ",5"},
      {"abc", "abc"},
      {"1e39", "1e39"},
      {"-4e38", "-4e38"},
      {"h=1", "h=1"},
      {"Привет", "Привет"},
      {"\xFF\xFE", "\xEF\xBF\xBD\xEF\xBF\xBD"},
      {"abcdefghijklmnopqrstuvwxy", "abcdefghijklmnopqrst\xE2\x80\xA6"},
  };
  return tokens;
}

struct RandomFile {
  std::string text;
  int32_t numbers = 0;  // the interval length and the values before any bad token
  int32_t badLine = 0;  // 0: no bad token
  std::string badShown;
};

// 1 to 250 numbers after an optional byte order mark, separated by random blanks and line
// ends ("\n" or "\r\n"); in two files of three a bad token replaces the tail from a random place.
RandomFile randomFile(unsigned seed) {
  std::mt19937 random(seed);
  const auto pick = [&](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
  };
  RandomFile file;
  if (pick(0, 2) == 0) file.text = "\xEF\xBB\xBF";
  const int count = pick(1, 251);
  const int bad = pick(0, 2) == 0 ? -1 : pick(0, count);
  int32_t line = 1;
  for (int i = 0; i < count; ++i) {
    if (i > 0 || pick(0, 3) == 0) {
      static const char* const kBlanks[] = {" ", "  ", "\t", "\n", "\r\n", " \r\n\n", "\v", "\f"};
      const std::string blank = kBlanks[pick(0, 7)];
      for (const char c : blank) line += c == '\n';
      file.text += blank;
    }
    if (i == bad) {
      const BadToken& token = badTokens()[size_t(pick(0, int(badTokens().size()) - 1))];
      file.text += token.token + " 1 2\n";
      file.badLine = line;
      file.badShown = token.shown;
      return file;
    }
    file.text +=
        std::to_string(pick(-999, 999)) + (pick(0, 1) ? "." + std::to_string(pick(0, 99)) : "");
    ++file.numbers;
  }
  if (pick(0, 1)) file.text += pick(0, 1) ? "\n" : " \r\n";
  return file;
}

TEST(ReadProperties, StopIsSaidExactlyWhenAReadFailedBeforeTheEnd) {
  int stops = 0;
  for (unsigned seed = 0; seed < kFiles; ++seed) {
    const RandomFile file = randomFile(seed);
    AnalysisState state;
    std::istringstream in(file.text);
    const SampleRead read = readSample(in, state);
    const int32_t stored = std::min(file.numbers - 1, kMaxSampleCount);
    EXPECT_EQ(read.intervalLengthRead, file.numbers > 0) << "seed " << seed;
    EXPECT_EQ(read.count, std::max(stored, 0)) << "seed " << seed;
    // The bad token is read only when fewer than 200 values came before it.
    const bool reached = file.badLine > 0 && file.numbers <= kMaxSampleCount;
    ASSERT_EQ(read.stop.has_value(), reached) << "seed " << seed;
    if (!reached) continue;
    ++stops;
    EXPECT_EQ(read.stop->line, file.badLine) << "seed " << seed;
    EXPECT_EQ(read.stop->text, file.badShown) << "seed " << seed;
  }
  EXPECT_GT(stops, int(kFiles) / 3);  // the files do exercise the stop
}

}  // namespace
}  // namespace engine
