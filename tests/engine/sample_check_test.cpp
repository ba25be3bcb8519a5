// Tests of the interval length Sturges' rule proposes and of the format check of sample files.
#include "engine/sample_check.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "engine/sturges_rule.h"

namespace engine {
namespace {

std::vector<float> evenly(int n, float low, float high) {
  std::vector<float> values;
  for (int i = 0; i < n; ++i) values.push_back(low + (high - low) * i / (n - 1));
  return values;
}

TEST(SturgesRule, RoundsTheLengthUpToTwoDigitsAndGivesItsIntervals) {
  struct Case {
    std::vector<float> values;
    float length;
    int32_t intervals;
  };
  const Case cases[] = {
      {evenly(100, 0, 10), 1.4f, 8},            // k = 7.64, h = 1.308
      {evenly(200, 497.6f, 502.4f), 0.56f, 9},  // k = 8.64, h = 0.5553
      {evenly(2, 0, 0.0246f), 0.013f, 2},       // k = 2.00002, h = 0.0122999
      {evenly(2, 5, 7), 1.0f, 3},               // h = 0.99999 rounds up to 1.0, not 0.99
      {evenly(30, -40, -10), 5.1f, 6},          // k = 5.91, h = 5.079
      {{3, 3, 3}, 1.0f, 1},
      {{4.5f}, 1.0f, 1},
      {{}, 1.0f, 1},
  };
  for (const Case& c : cases) {
    const IntervalProposal proposal = sturgesInterval(c.values);
    EXPECT_EQ(proposal.length, c.length) << c.values.size();
    EXPECT_EQ(proposal.intervals, c.intervals) << c.values.size();
  }
}

TEST(IntervalCount, IsTheAnalysisOwnCount) {
  EXPECT_EQ(intervalCount(0, 19.5f, 1), 20);
  EXPECT_EQ(intervalCount(0, 20, 1), 21);
  EXPECT_EQ(intervalCount(1, 2, 0.1f), 10);  // the float 0.1 is a little above 0.1
  EXPECT_EQ(intervalCount(5, 5, 2), 1);
  EXPECT_EQ(intervalCount(0, 1, 0), 0);
  EXPECT_EQ(intervalCount(0, 1, -1), 0);
  EXPECT_EQ(intervalCount(2, 1, 1), 0);
  EXPECT_EQ(intervalCount(-3e38f, 3e38f, 1e-38f), 2147483647);
}

using Kind = SampleFinding::Kind;

struct CheckCase {
  const char* name;
  std::string bytes;
  std::vector<SampleFinding> findings;
};

class SampleCheckTest : public ::testing::TestWithParam<CheckCase> {};

TEST_P(SampleCheckTest, NamesTheKindLineAndText) {
  const std::vector<SampleFinding> found = checkSampleFile(GetParam().bytes);
  ASSERT_EQ(found.size(), GetParam().findings.size());
  for (size_t i = 0; i < found.size(); ++i) {
    EXPECT_EQ(found[i].kind, GetParam().findings[i].kind) << i;
    EXPECT_EQ(found[i].line, GetParam().findings[i].line) << i;
    EXPECT_EQ(found[i].text, GetParam().findings[i].text) << i;
  }
}

std::string numbered(int values) {
  std::string text = "1\n";
  for (int i = 0; i < values; ++i) text += std::to_string(100 + i % 9) + "\n";
  return text;
}

INSTANTIATE_TEST_SUITE_P(
    Files, SampleCheckTest,
    ::testing::Values(
        CheckCase{"ProgramsOwnFormat", "2\n10 12 14\n", {}},
        CheckCase{"LengthInsideTheRange", "1\n0 5.5 19.5\n", {}},
        CheckCase{"ValuesWithoutLength",
                  "167.2\n170.1\n165.3\n",
                  {{Kind::FirstLooksLikeValue, 1, "167.2"}}},
        CheckCase{"SortedValuesWithoutLength",
                  "150\n151.2\n170\n190\n",
                  {{Kind::FirstLooksLikeValue, 1, "150"}}},
        CheckCase{"NegativeValuesWithoutLength",
                  "-2.2 -1.5 -3.2 -2.8\n",
                  {{Kind::FirstLooksLikeValue, 1, "-2.2"}}},
        CheckCase{"HeaderLine", "Масса, г\n1\n5.1 5.2 5.3\n", {{Kind::HeaderLine, 1, "Масса, г"}}},
        CheckCase{"SemicolonColumns", "1;5.2\n2;5.3\n", {{Kind::SeveralColumns, 1, "1;5.2"}}},
        CheckCase{"IndexColumn", "1 5.2\n2 5.3\n3 5.1\n", {{Kind::SeveralColumns, 1, "1 5.2"}}},
        CheckCase{"DecimalComma", "2\n10 12\n10,5 14\n", {{Kind::DecimalComma, 3, "10,5"}}},
        CheckCase{"Utf16",
                  std::string("\xFF\xFE"
                              "2\0\n\0"
                              "1\0"
                              "0\0 \0"
                              "1\0"
                              "4\0",
                              16),
                  {{Kind::Utf16Text, 1, "UTF-16"}}},
        CheckCase{"TwoHundredValues", numbered(200), {}},
        CheckCase{"TwoHundredAndOne", numbered(201), {{Kind::MoreThan200Values, 202, "102"}}},
        CheckCase{"Several",
                  "x;y\n167,2;1\n",
                  {{Kind::HeaderLine, 1, "x;y"},
                   {Kind::SeveralColumns, 2, "167,2;1"},
                   {Kind::DecimalComma, 2, "167,2"}}},
        CheckCase{"LongTextIsCut",
                  std::string(50, 'z') + "\n1\n2 5\n",
                  {{Kind::HeaderLine, 1, std::string(40, 'z') + "…"}}},
        CheckCase{"Empty", "", {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SampleCheck, TheShippedSampleHasNoFindings) {
  std::ifstream in(TARNEK_DATA_DIR "/Input.txt", std::ios::binary);
  const std::string bytes(std::istreambuf_iterator<char>(in), {});
  ASSERT_FALSE(bytes.empty());
  EXPECT_TRUE(checkSampleFile(bytes).empty());
}

TEST(SampleCheck, FindingsReadAsSentences) {
  EXPECT_EQ(sampleFindingText({Kind::DecimalComma, 6, "167,2"}),
            "Строка 6: число «167,2» записано с десятичной запятой: программа читает только "
            "точку");
  EXPECT_EQ(sampleFindingText({Kind::FirstLooksLikeValue, 1, "167.2"}),
            "Строка 1: первое число «167.2» похоже на измерение, а не на длину интервала: в "
            "первой строке файла должна стоять длина интервала");
}

}  // namespace
}  // namespace engine
