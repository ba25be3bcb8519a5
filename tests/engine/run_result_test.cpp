// The run's numbers come with the run, which shows exactly what it shows without them.
#include "engine/run_result.h"

#include <gtest/gtest.h>

#include "engine/critical_points.h"
#include "engine/process_file.h"
#include "engine/recorded_view.h"
#include "engine/texts.h"
#include "tests/engine/test_files.h"

namespace engine {
namespace {

struct ResultCase {
  const char* name;
  std::vector<float> values;
  float h, xmin, xmax;
  RunOutcome outcome;
  int32_t tableColumns;  // 0: no table
};

TEST(RunResult, SameViewAsTheRunWithoutItAndTheTableAsFarAsReached) {
  CriticalPointTable table;
  RecordedView tableView;
  ASSERT_EQ(loadCriticalPoints(TARNEK_DATA_DIR "/exttable.txt", table, tableView),
            TableLoad::Loaded);
  std::vector<float> spread;
  for (int i = 0; i < 100; ++i) spread.push_back(static_cast<float>(i % 10) + 0.1f * (i % 7));
  const ResultCase cases[] = {
      {"no data", {}, 1, 0, 0, RunOutcome::NoData, 0},
      {"bad length", {1, 2}, 0, 1, 2, RunOutcome::BadParameters, 0},
      {"too many", {1, 2}, 1e-6f, 1, 2, RunOutcome::TooManyIntervals, 0},
      {"no spread", {5, 5, 5}, 1, 5, 5, RunOutcome::DegenerateSpread, 7},
      {"few groups", {1, 2, 2, 3}, 1, 1, 3, RunOutcome::TooFewIntervals, 11},
      {"uniform", spread, 1, 0, 9.6f, RunOutcome::Rejected, 11},
  };
  for (const ResultCase& c : cases) {
    SCOPED_TRACE(c.name);
    AnalysisState plainState = testing::stateInMemory(c.values, c.h, c.xmin, c.xmax);
    plainState.CriticalPoints = table;
    AnalysisState resultState = plainState;
    RecordedView plain, withResult;
    RunResult result;
    EXPECT_EQ(ProcessFile(plainState, plain, ','), c.outcome);
    EXPECT_EQ(ProcessFile(resultState, withResult, ',', result), c.outcome);
    EXPECT_EQ(result.outcome, c.outcome);
    EXPECT_EQ(plain.log(), withResult.log());
    EXPECT_EQ(plain.gridRows(), withResult.gridRows());
    EXPECT_EQ(plain.histogram().size(), withResult.histogram().size());
    EXPECT_EQ(result.tableColumns, c.tableColumns);
    const size_t rows = c.tableColumns == 0 ? 0 : static_cast<size_t>(plain.gridRowCount() - 2);
    ASSERT_EQ(result.table.size(), rows);
    for (size_t row = 0; row < rows; ++row)
      EXPECT_EQ(result.table[row][0], static_cast<float>(row + 1));  // the interval number
    EXPECT_EQ(result.critical.has_value(),
              c.outcome == RunOutcome::Accepted || c.outcome == RunOutcome::Rejected);
    EXPECT_FALSE(result.stoppedAt.has_value());
  }
}

// A file with more values than are read says so right after the count, and the result tells it.
TEST(RunResult, MoreThan200ValuesAreSaidAfterTheCount) {
  testing::TempDir dir;
  const std::string loaded = std::string(text::kLoadedPrefix) + "200" + text::kLoadedSuffix;
  const struct {
    int values;
    const char* after;
    bool truncated;
  } cases[] = {{200, "", false}, {201, "", true}, {350, "", true}, {200, " слово 7", false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.values) + c.after);
    std::string sample = "1\n";
    for (int i = 0; i < c.values; ++i) sample += std::to_string(150 + i % 13) + "\n";
    AnalysisState state;
    state.FileName = dir.write("sample.txt", sample + c.after);
    state.CriticalPoints = testing::referenceTable();
    RecordedView view;
    RunResult result;
    ProcessFile(state, view, '.', result);
    ASSERT_GE(view.log().size(), 3u);
    EXPECT_EQ(view.log()[0], loaded);
    EXPECT_EQ(view.log()[1], c.truncated ? text::kMoreValuesThanRead
                                         : std::string(text::kProcessingFile) + state.FileName);
    EXPECT_EQ(result.truncated, c.truncated);
    EXPECT_EQ(result.n, 200);
  }
}

}  // namespace
}  // namespace engine
