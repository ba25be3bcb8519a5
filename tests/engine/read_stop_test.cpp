// Tests of where the sample reader says it stopped, and of the byte order mark on both files.
#include "engine/read_stop.h"

#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>

#include "engine/critical_points.h"
#include "engine/sample_reader.h"

namespace engine {
namespace {

struct StopCase {
  const char* name;
  std::string contents;
  bool intervalLengthRead;
  int32_t count;
  std::optional<int32_t> line;  // no line: the reading ran to the end or to 200 values
  std::string text;
};

class ReadStopTest : public ::testing::TestWithParam<StopCase> {};

TEST_P(ReadStopTest, NamesTheLineAndTokenOfAFailedRead) {
  const StopCase& c = GetParam();
  AnalysisState state;
  state.IntervalLength = 7.0f;
  std::istringstream in(c.contents);
  const SampleRead read = readSample(in, state);
  EXPECT_EQ(read.intervalLengthRead, c.intervalLengthRead);
  EXPECT_EQ(read.count, c.count);
  EXPECT_EQ(state.SampleCount, c.count);
  if (!c.intervalLengthRead) {
    EXPECT_EQ(state.IntervalLength, 7.0f);
  }
  ASSERT_EQ(read.stop.has_value(), c.line.has_value());
  if (!c.line) return;
  EXPECT_EQ(read.stop->line, *c.line);
  EXPECT_EQ(read.stop->text, c.text);
}

std::string values(int count, const std::string& after) {
  std::string text = "1";
  for (int i = 0; i < count; ++i) text += (i % 10 == 0 ? "\n" : " ") + std::to_string(i);
  return text + after;
}

const std::string kReplacement = "\xEF\xBF\xBD";
const std::string kBom = "\xEF\xBB\xBF";

INSTANTIATE_TEST_SUITE_P(
    Files, ReadStopTest,
    ::testing::Values(
        StopCase{"DecimalCommaStopsInsideTheNumber", "2 10,5 12 14", true, 1, 1, ",5"},
        StopCase{"TokenRunsToTheNextBlank", "1 2 3\n 4 x5y\tz", true, 3, 2, "x5y"},
        StopCase{"VerticalTabAndFormFeedEndTheToken", "1 ab\vcd\fef", true, 0, 1, "ab"},
        StopCase{"TokenStartsWhereTheFailedReadBegan", "1 2 1e+ 3", true, 1, 1, "1e+"},
        StopCase{"TokenAtTheEndOfTheFile", "1 2 oops", true, 1, 1, "oops"},
        StopCase{"CarriageReturnLineFeedCountsOnce", "1\r\n2\r\n\r\n3,5\r\n", true, 2, 4, ",5"},
        StopCase{"LoneCarriageReturnIsNoLineBreak", "1\r2\rx", true, 1, 1, "x"},
        StopCase{"TwentyCharactersAreNotCut", "1 abcdefghijklmnopqrst", true, 0, 1,
                 "abcdefghijklmnopqrst"},
        StopCase{"TwentyOneCharactersAreCut", "1 abcdefghijklmnopqrstu", true, 0, 1,
                 "abcdefghijklmnopqrst\xE2\x80\xA6"},
        StopCase{"CyrillicIsCutByCharacters", "1 2\nПриветМирПриветМирПривет 3", true, 1, 2,
                 "ПриветМирПриветМирПр\xE2\x80\xA6"},
        StopCase{"InvalidBytesShowAsReplacement",
                 "1 \xFF\xFE"
                 "ab",
                 true, 0, 1, kReplacement + kReplacement + "ab"},
        StopCase{"WindowsCyrillicShowsAsReplacement", "1 \xCF\xF0\xE8", true, 0, 1,
                 kReplacement + kReplacement + kReplacement},
        StopCase{"TruncatedSequenceIsOneReplacement", "1 ab\xD0\n", true, 0, 1,
                 "ab" + kReplacement},
        StopCase{"LongInvalidTokenIsCutToo", "1 " + std::string(30, '\x80'), true, 0, 1,
                 [] {
                   std::string text;
                   for (int i = 0; i < 20; ++i) text += kReplacement;
                   return text + "\xE2\x80\xA6";
                 }()},
        StopCase{"OverflowingValue", "1 5 1e39 6", true, 1, 1, "1e39"},
        StopCase{"NegativeOverflowingValue", "1\n5\n-1e39", true, 1, 3, "-1e39"},
        StopCase{"IntervalLengthItselfFails", "h=1\n2 3", false, 0, 1, "h=1"},
        StopCase{"IntervalLengthAfterBlankLines", "\n\n  ,5 1 2", false, 0, 3, ",5"},
        StopCase{"OverflowingIntervalLength", "3.5e38 1", false, 0, 1, "3.5e38"},
        StopCase{"WordAfterThe200thValueIsNeverRead", values(200, " word"), true, 200, std::nullopt,
                 ""},
        StopCase{"WordAfterThe199thValue", values(199, " word"), true, 199, 21, "word"},
        StopCase{"BlanksAfterTheLastValue", "1 2 3 \n\n\t", true, 2, std::nullopt, ""},
        StopCase{"EmptyFile", "", false, 0, std::nullopt, ""},
        StopCase{"OnlyBlanks", " \r\n ", false, 0, std::nullopt, ""},
        StopCase{"ByteOrderMarkIsSkipped", kBom + "2 10 12", true, 2, std::nullopt, ""},
        StopCase{"ByteOrderMarkThenAHeader", kBom + "x=1\n1", false, 0, 1, "x=1"},
        StopCase{"ByteOrderMarkOnlyAtTheStart", "1 " + kBom + "2", true, 0, 1,
                 "\xEF\xBB\xBF"
                 "2"},
        StopCase{"IncompleteByteOrderMarkIsText",
                 "\xEF\xBB"
                 "1 2",
                 false, 0, 1, kReplacement + "1"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadStop, LogLineQuotesTheTokenWithItsLine) {
  EXPECT_EQ(readStopLine(ReadStop{12, ",5"}), "Чтение файла остановлено в строке 12 на «,5»");
}

TEST(CriticalPoints, ByteOrderMarkAtTheStartIsSkipped) {
  std::string table;
  for (int d = 1; d <= kCriticalPointRows; ++d) table += std::to_string(d) + " 1 2 3.5 4 5 6\n";
  for (const std::string& mark : {std::string(), kBom}) {
    CriticalPointTable read;
    std::istringstream in(mark + table);
    EXPECT_EQ(readCriticalPoints(in, read), TableLoad::Loaded) << mark.size();
    EXPECT_EQ(read.at(1, 3), 3.5f);
    EXPECT_EQ(read.at(30, 6), 6.0f);
  }
  CriticalPointTable read;
  std::istringstream in("\xEF\xBB" + table);  // an incomplete mark is text before record 1
  EXPECT_EQ(readCriticalPoints(in, read), TableLoad::BadFormat);
}

}  // namespace
}  // namespace engine
