// Tests of reading grouped series and of writing them as samples that reproduce them exactly.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "engine/data_reader.h"
#include "engine/process_file.h"
#include "engine/recorded_view.h"
#include "engine/run_result.h"
#include "engine/sample_writer.h"
#include "engine/stored.h"
#include "tests/engine/test_files.h"

namespace engine {
namespace {

using Code = DataMessageCode;

DataRead readGrouped(const std::string& text) {
  DataReadOptions options;
  options.mode = DataReadOptions::Mode::Grouped;
  return readData(text, options);
}

std::vector<Code> codes(const DataRead& read) {
  std::vector<Code> found;
  for (const DataMessage& message : read.messages) found.push_back(message.code);
  return found;
}

struct GroupedCase {
  const char* name;
  std::string text;
  double left;
  double length;
  std::vector<int32_t> frequencies;
  std::vector<float> midpoints;
  std::vector<int32_t> skippedLines = {};
  std::vector<Code> messages = {};
};

class GroupedReadTest : public ::testing::TestWithParam<GroupedCase> {};

TEST_P(GroupedReadTest, GivesTheIntervalsAndFrequencies) {
  const GroupedCase& c = GetParam();
  const DataRead read = readGrouped(c.text);
  ASSERT_TRUE(read.grouped) << (read.messages.empty() ? "" : dataMessageText(read.messages[0]));
  EXPECT_DOUBLE_EQ(read.grouped->left, c.left);
  EXPECT_DOUBLE_EQ(read.grouped->length, c.length);
  EXPECT_EQ(read.grouped->frequencies, c.frequencies);
  EXPECT_EQ(read.grouped->midpoints, c.midpoints);
  std::vector<int32_t> skipped;
  for (const SkippedLine& line : read.skipped) skipped.push_back(line.line);
  EXPECT_EQ(skipped, c.skippedLines);
  EXPECT_EQ(codes(read), c.messages);
  EXPECT_TRUE(read.usable);
  EXPECT_EQ(read.count, static_cast<int32_t>(read.grouped->total()));
  EXPECT_EQ(read.values.size(), static_cast<size_t>(read.grouped->total()));
}

const std::vector<int32_t> kTextbook = {5, 8, 12};
const std::vector<float> kTextbookMidpoints = {156, 160, 164};

INSTANTIATE_TEST_SUITE_P(
    Notations, GroupedReadTest,
    ::testing::Values(
        GroupedCase{"EdgesAndFrequency", "154 158 5\n158 162 8\n162 166 12\n", 154, 4, kTextbook,
                    kTextbookMidpoints},
        GroupedCase{"Hyphen", "154-158 5\n158-162 8\n162-166 12\n", 154, 4, kTextbook,
                    kTextbookMidpoints},
        GroupedCase{"EnDashSemicolons",
                    "Рост;Частота\n154–158;5\n158–162;8\n162–166;12\n",
                    154,
                    4,
                    kTextbook,
                    kTextbookMidpoints,
                    {1}},
        GroupedCase{"DashBetweenBlanks", "154 – 158 5\n158 - 162 8\n162 — 166 12\n", 154, 4,
                    kTextbook, kTextbookMidpoints},
        GroupedCase{"Brackets", "[154; 158) 5\n[158; 162)\t8\n[162; 166] 12\n", 154, 4, kTextbook,
                    kTextbookMidpoints},
        GroupedCase{"BracketsInCsv", "[154; 158);5\n[158, 162);8\n[162 166);12\n", 154, 4,
                    kTextbook, kTextbookMidpoints},
        GroupedCase{"MidpointAndFrequency",
                    "x n\n156 5\n160 8\n164 12\n",
                    154,
                    4,
                    kTextbook,
                    kTextbookMidpoints,
                    {1}},
        GroupedCase{"NumberedRows", "1 154-158 5\n2 158-162 8\n3 162-166 12\n", 154, 4, kTextbook,
                    kTextbookMidpoints},
        GroupedCase{"NumberedEdges", "1 154 158 5\n2 158 162 8\n3 162 166 12\n", 154, 4, kTextbook,
                    kTextbookMidpoints},
        GroupedCase{"NumberedMidpoints", "1 156 5\n2 160 8\n3 164 12\n", 154, 4, kTextbook,
                    kTextbookMidpoints},
        GroupedCase{"OutOfOrder", "162-166 12\n154-158 5\n158-162 8\n", 154, 4, kTextbook,
                    kTextbookMidpoints},
        GroupedCase{"NegativeEdges", "-4--2 3\n-2-0 5\n0-2 4\n", -4, 2, {3, 5, 4}, {-3, -1, 1}},
        GroupedCase{
            "NegativeBrackets", "[-4; -2) 3\n[-2; 0) 5\n[0; 2) 4\n", -4, 2, {3, 5, 4}, {-3, -1, 1}},
        GroupedCase{"MinusSigns", "−4–−2 3\n−2–0 5\n", -4, 2, {3, 5}, {-3, -1}},
        GroupedCase{"DecimalCommas",
                    "1,2-1,3 4\n1,3-1,4 6\n1,4-1,5 1\n",
                    1.2,
                    0.1,
                    {4, 6, 1},
                    {1.25f, 1.35f, 1.45f}},
        GroupedCase{"CommaCsv",
                    "1.2,1.3,4\n1.3,1.4,6\n",
                    1.2,
                    0.1,
                    {4, 6},
                    {1.25f, 1.35f},
                    {},
                    {Code::CommaSeparatesFields}},
        GroupedCase{"EmptyEndsDropped",
                    "150-154 0\n154-158 5\n158-162 0\n162-166 8\n166-170 0\n",
                    154,
                    4,
                    {5, 0, 8},
                    {156, 160, 164},
                    {},
                    {Code::EmptyEdgeDropped, Code::EmptyEdgeDropped}},
        GroupedCase{
            "SumRowSkipped", "154-158 5\n158-162 8\nИтого 13\n", 154, 4, {5, 8}, {156, 160}, {3}}),
    [](const auto& info) { return std::string(info.param.name); });

struct RefusedCase {
  const char* name;
  std::string text;
  Code code;
  int32_t line;
  std::string message;
};

class GroupedRefusedTest : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(GroupedRefusedTest, SaysWhyAndSavesNothing) {
  const RefusedCase& c = GetParam();
  const DataRead read = readGrouped(c.text);
  EXPECT_FALSE(read.usable);
  EXPECT_TRUE(read.values.empty());
  ASSERT_FALSE(read.messages.empty());
  EXPECT_EQ(read.messages[0].code, c.code);
  EXPECT_EQ(read.messages[0].line, c.line);
  EXPECT_EQ(dataMessageText(read.messages[0]), c.message);
}

std::string intervals(int count, int frequency) {
  std::string text;
  for (int i = 0; i < count; ++i)
    text +=
        std::to_string(i) + "-" + std::to_string(i + 1) + " " + std::to_string(frequency) + "\n";
  return text;
}

INSTANTIATE_TEST_SUITE_P(
    Series, GroupedRefusedTest,
    ::testing::Values(
        RefusedCase{"UnequalWidths", "154-158 5\n158-163 8\n", Code::UnequalWidths, 2,
                    "Строка 2: длина интервала 5 не равна длине первого интервала"},
        RefusedCase{"UnequalSteps", "1,5 2\n2,5 3\n4 1\n", Code::UnequalWidths, 3,
                    "Строка 3: длина интервала 1,5 не равна длине первого интервала"},
        RefusedCase{"FractionalFrequency", "154-158 2.5\n", Code::FractionalFrequency, 1,
                    "Строка 1: частота «2.5» не целое число"},
        RefusedCase{"NegativeFrequency", "154-158 -1\n158-162 3\n", Code::NegativeFrequency, 1,
                    "Строка 1: частота «-1» отрицательна"},
        RefusedCase{"ReversedEdges", "158-154 5\n", Code::ReversedEdges, 1,
                    "Строка 1: правая граница интервала не больше левой"},
        RefusedCase{"Gap", "154-158 5\n160-164 3\n", Code::IntervalGap, 2,
                    "Строка 2: интервал начинается не там, где кончился предыдущий"},
        RefusedCase{"OneMidpoint", "156 5\n", Code::SingleMidpoint, 1,
                    "Строка 1: По одной середине интервала нельзя узнать его длину: дайте "
                    "границы интервала"},
        RefusedCase{"AllEmpty", "1-2 0\n2-3 0\n", Code::EmptyEdgeDropped, 1,
                    "Строка 1: пустой крайний интервал отброшен"},
        RefusedCase{"TwentyOneIntervals", intervals(21, 1), Code::TooManyIntervals, 0,
                    "Интервалов 21, а программа обрабатывает не больше 20"},
        RefusedCase{"Total201", "1-2 100\n2-3 101\n", Code::TooManyValues, 0,
                    "Значений 201, а программа обрабатывает не больше 200: сократите выборку, "
                    "лишние значения не отбрасываются"},
        RefusedCase{"HugeFrequency", "1-2 1e12\n", Code::TooManyValues, 0,
                    "Значений > 1000000000, а программа обрабатывает не больше 200: сократите "
                    "выборку, лишние значения не отбрасываются"},
        RefusedCase{"NoRows", "Интервал Частота\n", Code::NoNumbers, 0,
                    "Не найдено ни одного числа"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GroupedRead, AllEmptyEndsWithNoFrequencies) {
  const DataRead read = readGrouped("1-2 0\n2-3 0\n");
  ASSERT_FALSE(read.messages.empty());
  EXPECT_EQ(read.messages.back().code, Code::NoFrequencies);
  EXPECT_EQ(read.skipped.size(), 0u);
}

// The series as the analysis shows it after opening the written file.
struct Reopened {
  RunResult result;
  std::vector<float> midpoints;
  std::vector<int32_t> frequencies;
};

Reopened reopen(const std::string& contents) {
  testing::TempDir dir;
  AnalysisState state;
  state.CriticalPoints = testing::referenceTable();
  state.FileName = dir.write("grouped.txt", contents);
  state.FileChanged = true;
  RecordedView view;
  Reopened reopened;
  ProcessFile(state, view, '.', reopened.result);
  for (const RunResult::TableRow& row : reopened.result.table) {
    reopened.midpoints.push_back(row[1]);
    reopened.frequencies.push_back(static_cast<int32_t>(row[2]));
  }
  return reopened;
}

struct SeriesCase {
  const char* name;
  std::string text;  // as typed in the grouped mode
  // Midpoints a float can hold exactly, or spaced so that the analysis
  // computes every one of them as the series has it.
  bool sameMidpoints = false;
};

// The frequencies come back exactly, and so do the midpoints the sample
// promises, each at most a unit in the last place from the series' own.
void expectReproduced(const GroupedSeries& series, const std::string& label) {
  const GroupedSample sample = groupedSample(series);
  ASSERT_FALSE(sample.values.empty()) << label;
  const Reopened reopened = reopen(sampleFileText(sample.length, sample.values));
  EXPECT_EQ(reopened.result.n, static_cast<int32_t>(series.total())) << label;
  EXPECT_EQ(reopened.result.h, groupedIntervalLength(series)) << label;
  EXPECT_EQ(reopened.result.xmin, sample.xmin) << label;
  EXPECT_EQ(reopened.result.intervals, series.intervals()) << label;
  EXPECT_EQ(reopened.frequencies, series.frequencies) << label;
  EXPECT_EQ(reopened.midpoints, sample.midpoints) << label;
  // The analysis adds and subtracts at the size of the edges, so a unit there bounds its error.
  const float scale =
      std::max(std::fabs(sample.xmin), std::fabs(sample.xmin + series.intervals() * sample.length));
  const float unit = std::nextafter(scale, INFINITY) - scale;
  ASSERT_EQ(sample.midpoints.size(), series.midpoints.size());
  for (size_t i = 0; i < series.midpoints.size(); ++i)
    EXPECT_LE(std::fabs(sample.midpoints[i] - series.midpoints[i]), unit)
        << label << " interval " << i + 1;
}

class GroupedReopenTest : public ::testing::TestWithParam<SeriesCase> {};

TEST_P(GroupedReopenTest, SavedFileReproducesFrequenciesAndMidpoints) {
  const DataRead read = readGrouped(GetParam().text);
  ASSERT_TRUE(read.usable && read.grouped);
  expectReproduced(*read.grouped, GetParam().text);
  if (GetParam().sameMidpoints) {
    EXPECT_EQ(groupedSample(*read.grouped).midpoints, read.grouped->midpoints);
  }
}

std::string series(double left, double h, const std::vector<int>& frequencies) {
  std::string text;
  char line[96];
  for (size_t i = 0; i < frequencies.size(); ++i) {
    std::snprintf(line, sizeof line, "%.10g %.10g %d\n", left + i * h, left + (i + 1) * h,
                  frequencies[i]);
    text += line;
  }
  return text;
}

INSTANTIATE_TEST_SUITE_P(
    Series, GroupedReopenTest,
    ::testing::Values(SeriesCase{"Tenths", series(1.2, 0.1, {4, 6, 10, 15, 9, 5, 1})},
                      SeriesCase{"TenthsNearZero", series(-0.3, 0.1, {1, 2, 0, 3, 7, 2, 1, 0, 1})},
                      SeriesCase{"Twos", series(10, 2, {2, 5, 9, 14, 11, 6, 3}), true},
                      SeriesCase{"Fives", series(150, 5, {3, 8, 17, 30, 25, 12, 4, 1}), true},
                      SeriesCase{"NegativeEdges", "-4--2 3\n-2-0 5\n0-2 4\n2-4 1\n", true},
                      SeriesCase{"NegativeTenths", series(-2.5, 0.1, {5, 9, 13, 8, 2})},
                      SeriesCase{"Quarters", series(0.125, 0.25, {1, 4, 6, 4, 1}), true},
                      SeriesCase{"LargeValues", series(1000.5, 0.1, {2, 7, 11, 6, 1})},
                      SeriesCase{"Midpoints", "0.15 3\n0.25 8\n0.35 11\n0.45 6\n0.55 2\n"},
                      SeriesCase{"OneInterval", "5-7 4\n", true},
                      SeriesCase{"OneValue", "5-7 1\n", true},
                      SeriesCase{"TwoHundred", series(20, 0.5, {10, 20, 40, 60, 40, 20, 10}), true},
                      SeriesCase{"TwentyIntervals",
                                 series(0.7, 0.3, {1,  1,  2,  3,  5, 8, 10, 12, 15, 17,
                                                   17, 15, 12, 10, 8, 5, 3,  2,  1,  1})}),
    [](const auto& info) { return std::string(info.param.name); });

// Many left edges and lengths, the decimal ones whose midpoints a float
// cannot all hold included.
TEST(GroupedReopen, EveryEdgeAndLengthReproducesItsCounts) {
  for (const double h : {0.1, 0.2, 0.3, 0.7, 1.5, 2.0, 5.0, 0.01}) {
    for (int start = -30; start <= 30; start += 7) {
      const std::string text = series(start * h * 1.5, h, {2, 3, 0, 5, 1});
      const DataRead read = readGrouped(text);
      ASSERT_TRUE(read.usable) << text;
      expectReproduced(*read.grouped, text);
    }
  }
}

TEST(SampleFile, LengthFirstThenTenValuesALine) {
  std::vector<float> values;
  for (int i = 1; i <= 12; ++i) values.push_back(stored(i * 0.1));
  values.push_back(stored(1.0 / 3));
  values.push_back(stored(-1e-10));
  EXPECT_EQ(sampleFileText(stored(0.1), values),
            "0.1\n0.1 0.2 0.3 0.4 0.5 0.6 0.7 0.8 0.9 1\n1.1 1.2 0.33333334 -1e-10\n");
  EXPECT_EQ(sampleFileText(2.5f, {}), "2.5\n");
}

TEST(SampleFile, WrittenValuesReadBackAsTheSameFloats) {
  const std::vector<float> values = {167.2f, -0.1f, 1e-7f, 3.4028235e38f, 123456.79f, 5};
  const Reopened reopened = reopen(sampleFileText(1.0f, values));
  EXPECT_EQ(reopened.result.n, 6);
  EXPECT_EQ(reopened.result.xmin, -0.1f);
  EXPECT_EQ(reopened.result.xmax, 3.4028235e38f);
}

}  // namespace
}  // namespace engine
