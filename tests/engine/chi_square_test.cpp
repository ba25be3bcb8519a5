// Tests of merging small expected frequencies and the chi-square verdict.
#include <gtest/gtest.h>

#include "engine/analysis_run.h"
#include "engine/recorded_view.h"
#include "engine/texts.h"
#include "tests/engine/test_files.h"

namespace engine {
namespace {

using Lines = std::vector<std::string>;

// A run stopped just before the test, with chosen frequencies and expectations.
struct PreparedRun {
  PreparedRun(std::vector<float> frequencies, std::vector<float> expected, int32_t n)
      : run(state, view, '.') {
    state.CriticalPoints = testing::referenceTable();
    state.SampleCount = n;
    run.intervals = static_cast<int32_t>(frequencies.size());
    for (int32_t i = 1; i <= run.intervals; ++i) {
      run.table(kFrequency, i) = frequencies[static_cast<size_t>(i - 1)];
      run.table(kExpectedFrequency, i) = expected[static_cast<size_t>(i - 1)];
    }
  }
  RunOutcome test() {
    RunOutcome outcome = RunOutcome::Accepted;
    testNormality(run, outcome);
    return outcome;
  }
  std::vector<float> contributions() const {
    std::vector<float> column;
    for (int32_t i = 1; i <= run.intervals; ++i) column.push_back(run.table(kContribution, i));
    return column;
  }

  AnalysisState state;
  RecordedView view;
  AnalysisRun run;
};

std::string merged(int interval) {
  return text::kMergedPrefix + std::to_string(interval) + text::kMergedSuffix;
}
std::string newCount(int count) { return text::kNewIntervalCount + std::to_string(count); }

float pooled(std::initializer_list<float> frequencies, std::initializer_list<float> expected) {
  double n = 0, e = 0;
  for (float f : frequencies) n += f;
  for (float x : expected) e += x;
  return static_cast<float>(n * n / e);
}

struct MergeCase {
  const char* name;
  std::vector<float> expected;  // frequencies are 10, 20, 30, ... so every group differs
  Lines mergeLines;
  std::vector<float> contributions;
  int32_t groups;
  // The groups as first-last interval and the row of their contribution: "4-6@5".
  std::vector<std::string> groupSpans;
};

std::vector<std::string> spans(const std::vector<IntervalGroup>& groups) {
  std::vector<std::string> texts;
  for (const IntervalGroup& group : groups)
    texts.push_back(std::to_string(group.first) + "-" + std::to_string(group.last) + "@" +
                    std::to_string(group.row));
  return texts;
}

class MergeTest : public ::testing::TestWithParam<MergeCase> {};

TEST_P(MergeTest, PoolsMarkedIntervalsAndCountsTheGroups) {
  const MergeCase& c = GetParam();
  std::vector<float> frequencies;
  for (size_t i = 0; i < c.expected.size(); ++i) frequencies.push_back(10.0f * (i + 1));
  PreparedRun prepared(frequencies, c.expected, 100);
  prepared.test();
  const Lines& log = prepared.view.log();
  ASSERT_GT(log.size(), c.mergeLines.size());
  EXPECT_EQ(Lines(log.begin(), log.begin() + static_cast<std::ptrdiff_t>(c.mergeLines.size())),
            c.mergeLines);
  const std::vector<float> column = prepared.contributions();
  ASSERT_EQ(column.size(), c.contributions.size());
  for (size_t i = 0; i < column.size(); ++i) EXPECT_FLOAT_EQ(column[i], c.contributions[i]) << i;
  EXPECT_NE(log[c.mergeLines.size()].find("Xk(" + std::to_string(c.groups) + "-3)= "),
            std::string::npos)
      << log[c.mergeLines.size()];
  EXPECT_EQ(spans(prepared.run.result.intervalGroups), c.groupSpans);
  EXPECT_EQ(static_cast<int32_t>(prepared.run.result.intervalGroups.size()), c.groups);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MergeTest,
    ::testing::Values(MergeCase{"NothingBelowFive",
                                {8, 8, 8, 8, 8},
                                {},
                                {12.5f, 50, 112.5f, 200, 312.5f},
                                5,
                                {"1-1@1", "2-2@2", "3-3@3", "4-4@4", "5-5@5"}},
                      MergeCase{"ExactlyFiveIsNotMerged",
                                {5, 5, 5, 5, 5},
                                {},
                                {20, 80, 180, 320, 500},
                                5,
                                {"1-1@1", "2-2@2", "3-3@3", "4-4@4", "5-5@5"}},
                      MergeCase{"FirstIntervalJoinsSecond",
                                {2, 8, 8, 8, 8},
                                {merged(1), newCount(4)},
                                {0, pooled({10, 20}, {2, 8}), 112.5f, 200, 312.5f},
                                4,
                                {"1-2@2", "3-3@3", "4-4@4", "5-5@5"}},
                      MergeCase{"LastIntervalJoinsThePreviousOne",
                                {8, 8, 8, 8, 2},
                                {merged(5), newCount(4)},
                                {12.5f, 50, 112.5f, pooled({40, 50}, {8, 2}), 0},
                                4,
                                {"1-1@1", "2-2@2", "3-3@3", "4-5@4"}},
                      MergeCase{"TwoMarkedNeighboursFormOnePair",
                                {8, 8, 8, 2, 2},
                                {merged(4), merged(5), newCount(4)},
                                {12.5f, 50, 112.5f, 0, pooled({40, 50}, {2, 2})},
                                4,
                                {"1-1@1", "2-2@2", "3-3@3", "4-5@5"}},
                      MergeCase{"MarkedPairInTheMiddle",
                                {8, 2, 2, 8, 8, 8},
                                {merged(2), merged(3), newCount(5)},
                                {12.5f, 0, pooled({20, 30}, {2, 2}), 200, 312.5f, 450},
                                5,
                                {"1-1@1", "2-3@3", "4-4@4", "5-5@5", "6-6@6"}},
                      MergeCase{"LastIntervalAfterAPairMakesAGroupOfThree",
                                {8, 8, 8, 2, 8, 2},
                                {merged(4), merged(6), newCount(4)},
                                {12.5f, 50, 112.5f, 0, pooled({40, 50, 60}, {2, 8, 2}), 0},
                                4,
                                {"1-1@1", "2-2@2", "3-3@3", "4-6@5"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ChiSquare, MarkedSecondOfTwoIntervalsPoolsWithTheFirstOnly) {
  // The header row holds the column numbers, as in a run; none of them may join a group.
  PreparedRun prepared({10, 20}, {8, 2}, 30);
  for (int32_t column = 0; column < kTableColumns; ++column)
    prepared.run.table(column, 0) = static_cast<float>(column + 1);
  EXPECT_EQ(prepared.test(), RunOutcome::TooFewIntervals);
  EXPECT_EQ(prepared.contributions(), (std::vector<float>{pooled({10, 20}, {8, 2}), 0}));
  EXPECT_EQ(prepared.view.log().front(), merged(2));
}

TEST(ChiSquare, StatisticIsTheSumOfContributionsLessN) {
  // 36/8 + 16/8 + 100/8 + 100/8 - 30 = 1.5, exactly.
  PreparedRun prepared({6, 4, 10, 10}, {8, 8, 8, 8}, 30);
  prepared.state.CriticalPoints.cells[1][kTestColumn] = 1.5f;
  EXPECT_EQ(prepared.test(), RunOutcome::Rejected);
  EXPECT_EQ(prepared.view.log().back(),
            "Xb = 1.5 больше чем Xk(4-3)= 1.5. Гипотеза о нормальном распределении отвергнута.");
  EXPECT_EQ(prepared.view.cell(kContribution, 5), "1.5");

  PreparedRun below({6, 4, 10, 10}, {8, 8, 8, 8}, 30);
  below.state.CriticalPoints.cells[1][kTestColumn] = 1.50001f;
  EXPECT_EQ(below.test(), RunOutcome::Accepted);
  EXPECT_EQ(below.view.log().back(),
            "Xb = 1.5 меньше чем Xk(4-3)= 1.5. Гипотеза о нормальном распределении принята.");
}

TEST(ChiSquare, FewerThanFourGroupsGiveNoVerdict) {
  PreparedRun prepared({10, 20, 30, 40, 50}, {8, 2, 8, 8, 2}, 150);
  EXPECT_EQ(prepared.test(), RunOutcome::TooFewIntervals);
  EXPECT_EQ(prepared.view.log(),
            (Lines{merged(2), merged(5), newCount(3),
                   "Число интервалов после объединения 3 меньше 4: проверка гипотезы невозможна"}));
  EXPECT_EQ(prepared.view.gridRowCount(), 7);  // the table is shown all the same
  EXPECT_EQ(prepared.view.cell(kContribution, 2), "0");
  EXPECT_FALSE(prepared.view.cell(kContribution, 6).empty());
}

TEST(ChiSquare, GridHoldsHeaderIntervalsAndSummary) {
  PreparedRun prepared({6, 4, 10, 10}, {8, 8, 8, 8}, 30);
  prepared.run.table(kIntervalNumber, 0) = 1;
  prepared.run.table(kContribution, 0) = 11;
  prepared.run.table(kMidpoint, 3) = 0.125f;
  prepared.test();
  EXPECT_EQ(prepared.view.gridRowCount(), 6);
  EXPECT_EQ(prepared.view.cell(kIntervalNumber, 0), "1");
  EXPECT_EQ(prepared.view.cell(kContribution, 0), "11");
  EXPECT_EQ(prepared.view.cell(kMidpoint, 3), "0.125");
  EXPECT_EQ(prepared.view.cell(kContribution, 1), "4.5");
  EXPECT_EQ(prepared.view.cell(kMidpoint, 5), "");  // summary row: only 3, 6 and 10
}

}  // namespace
}  // namespace engine
