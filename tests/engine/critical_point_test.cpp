// The critical point for the run's level and degrees of freedom, and no verdict without one.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "engine/critical_points.h"
#include "engine/process_file.h"
#include "engine/recorded_view.h"
#include "engine/run_result.h"
#include "engine/texts.h"

namespace engine {
namespace {

using Lines = std::vector<std::string>;

std::string shippedTableText() {
  std::ifstream in(TARNEK_DATA_DIR "/exttable.txt", std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The shipped table with row 4 (4 degrees of freedom, the shipped sample's) as given.
std::string withRowFour(const std::string& row) {
  std::string text = shippedTableText();
  const size_t start = text.find("\n4 ") + 1;
  text.replace(start, text.find('\n', start) - start, row);
  return text;
}

CriticalPointTable tableFrom(const std::string& text) {
  CriticalPointTable table;
  std::istringstream in(text);
  readCriticalPoints(in, table);
  return table;
}

// The shipped sample, loaded afresh, at the level and table given; --h 1.5 gives 1 degree of
// freedom.
struct ShippedRun {
  ShippedRun(const CriticalPointTable& table, SignificanceLevel alpha, float h = 0) {
    state.FileName = TARNEK_DATA_DIR "/Input.txt";
    state.CriticalPoints = table;
    state.Alpha = alpha;
    ProcessFile(state, view, '.', result);
    if (h > 0) {
      state.IntervalLength = h;
      view = RecordedView();
      ProcessFile(state, view, '.', result);
    }
  }
  // The log from the verdict's place on: what follows the new count line.
  Lines fromVerdict() const {
    const Lines& log = view.log();
    for (size_t i = 0; i < log.size(); ++i)
      if (log[i].rfind(text::kNewIntervalCount, 0) == 0)
        return Lines(log.begin() + i + 1, log.end());
    return log;
  }
  AnalysisState state;
  RecordedView view;
  RunResult result;
};

const std::string kAcceptedEnd = ". Гипотеза о нормальном распределении принята.";

TEST(CriticalPoint, LevelChoosesTheTableColumnAndIsLoggedUnlessItIsFivePercent) {
  const CriticalPointTable shipped = tableFrom(shippedTableText());
  const struct {
    SignificanceLevel alpha;
    Lines lines;
    float critical;
  } cases[] = {
      {SignificanceLevel::FivePercent,
       {"Xb = 2.3121 меньше чем Xk(7-3)= 9.488" + kAcceptedEnd},
       9.488f},
      {SignificanceLevel::TwoAndAHalfPercent,
       {"Уровень значимости α = 0.025", "Xb = 2.3121 меньше чем Xk(7-3)= 11.143" + kAcceptedEnd},
       11.143f},
      {SignificanceLevel::OnePercent,
       {"Уровень значимости α = 0.01", "Xb = 2.3121 меньше чем Xk(7-3)= 13.277" + kAcceptedEnd},
       13.277f},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(levelText(c.alpha));
    const ShippedRun run(shipped, c.alpha);
    EXPECT_EQ(run.result.outcome, RunOutcome::Accepted);
    const Lines tail = run.fromVerdict();
    ASSERT_GE(tail.size(), c.lines.size());
    EXPECT_EQ(Lines(tail.begin(), tail.begin() + static_cast<long>(c.lines.size())), c.lines);
    EXPECT_EQ(run.result.critical, c.critical);
    EXPECT_EQ(run.result.alpha, c.alpha);
  }
}

TEST(CriticalPoint, NoVerdictWithoutAPositiveFinitePoint) {
  const std::string noPoint =
      "Нет критической точки для 4 степеней свободы: проверка гипотезы невозможна";
  std::string cut = shippedTableText();
  cut.resize(cut.find("\n4 ") + 1);
  const struct {
    const char* name;
    std::string table;
    SignificanceLevel alpha;
  } cases[] = {
      {"no table", "", SignificanceLevel::FivePercent},
      {"cut after row 3", cut, SignificanceLevel::FivePercent},
      {"zero", withRowFour("4 13.277 11.143 0 0.711 0.484 0.297"), SignificanceLevel::FivePercent},
      {"negative", withRowFour("4 13.277 11.143 -9.488 0.711 0.484 0.297"),
       SignificanceLevel::FivePercent},
      // Too large for a float: reading stops there and the point stays 0.
      {"overflowing", withRowFour("4 13.277 11.143 1e39 0.711 0.484 0.297"),
       SignificanceLevel::FivePercent},
      {"one percent negative", withRowFour("4 -13.277 11.143 9.488 0.711 0.484 0.297"),
       SignificanceLevel::OnePercent},
  };
  const ShippedRun normal(tableFrom(shippedTableText()), SignificanceLevel::FivePercent);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const ShippedRun run(tableFrom(c.table), c.alpha);
    EXPECT_EQ(run.result.outcome, RunOutcome::NoCriticalPoint);
    const Lines expected = c.alpha == SignificanceLevel::FivePercent
                               ? Lines{noPoint}
                               : Lines{"Уровень значимости α = 0.01", noPoint};
    EXPECT_EQ(run.fromVerdict(), expected);
    // The table and Xb are there as on the way to a verdict; nothing of the intervals.
    EXPECT_EQ(run.view.gridRows(), normal.view.gridRows());
    EXPECT_EQ(run.view.histogram().size(), normal.view.histogram().size());
    EXPECT_TRUE(run.view.curve().empty());
    EXPECT_FALSE(run.result.critical.has_value());
    EXPECT_EQ(run.result.statistic, normal.result.statistic);
    EXPECT_EQ(run.result.degreesOfFreedom, 4);
    EXPECT_EQ(run.result.table.size(), normal.result.table.size());
    EXPECT_EQ(pValue(run.result), pValue(normal.result));
    EXPECT_FALSE(run.result.meanInterval.has_value());
    EXPECT_FALSE(run.result.t.has_value());
  }
}

TEST(CriticalPoint, OtherRowsOfADamagedTableStillGiveTheirVerdict) {
  const CriticalPointTable damaged =
      tableFrom(withRowFour("4 13.277 11.143 -9.488 0.711 0.484 0.297"));
  const CriticalPointTable shipped = tableFrom(shippedTableText());
  for (const float h : {1.5f, 0.5f}) {  // 1 and 10 degrees of freedom
    SCOPED_TRACE(h);
    const ShippedRun run(damaged, SignificanceLevel::FivePercent, h);
    const ShippedRun reference(shipped, SignificanceLevel::FivePercent, h);
    EXPECT_EQ(run.result.outcome, RunOutcome::Accepted);
    EXPECT_NE(run.result.degreesOfFreedom, 4);
    EXPECT_EQ(run.view.log(), reference.view.log());
  }
}

}  // namespace
}  // namespace engine
