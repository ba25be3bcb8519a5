// Tests of the options dialog's rules: a field read only once edited, its errors, Apply's modes.
#include "engine/option_fields.h"

#include <gtest/gtest.h>

namespace engine {
namespace {

AnalysisState stateWith(float h, float xmin, float xmax) {
  AnalysisState state;
  state.IntervalLength = h;
  state.Xmin = xmin;
  state.Xmax = xmax;
  state.FileName = "Input.txt";
  state.FileChanged = false;
  return state;
}

TEST(OptionFields, AnUntouchedFieldKeepsTheStoredFloatItsTextRoundsOff) {
  AnalysisState state = stateWith(0.5f, 156.94f, 182.31f);
  OptionFields fields;
  showState(state, fields, ',');
  EXPECT_EQ(fields.xmin.text, "157,00");
  EXPECT_EQ(fields.intervalLength.text, "0,50");
  fields.intervalLength.text = "0,25";
  int runs = 0;
  const ApplyResult result = applyOptionFields(state, fields, ',', [&] { ++runs; });
  EXPECT_FALSE(result.error);
  EXPECT_FALSE(result.fileMode);
  EXPECT_EQ(runs, 1);
  EXPECT_EQ(state.IntervalLength, 0.25f);
  EXPECT_EQ(state.Xmin, 156.94f);
  EXPECT_EQ(state.Xmax, 182.31f);
  // The text read now stands for the value stored from it.
  EXPECT_EQ(fields.intervalLength.shown, "0,25");
}

TEST(OptionFields, AnErrorNamesTheFieldKeepsTheFieldsBeforeItAndDoesNotRun) {
  const struct {
    const char* xmin;
    const char* xmax;
    const char* error;
  } cases[] = {
      {"abc", "200", "Xmin: «abc» не является правильным числом"},
      {"2,500", "1 000", "Xmax: «1 000» не является правильным числом"},
      {"1", "1e39", "Xmax: Число «1e39» вне допустимого диапазона"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.xmin);
    AnalysisState state = stateWith(1.0f, 10.0f, 20.0f);
    OptionFields fields;
    showState(state, fields, '.');
    fields.intervalLength.text = "2.5";
    fields.xmin.text = c.xmin;
    fields.xmax.text = c.xmax;
    fields.alpha = SignificanceLevel::OnePercent;
    int runs = 0;
    const ApplyResult result = applyOptionFields(state, fields, '.', [&] { ++runs; });
    ASSERT_TRUE(result.error);
    EXPECT_EQ(*result.error, c.error);
    EXPECT_EQ(runs, 0);
    EXPECT_EQ(state.IntervalLength, 2.5f);
    // The choices are stored whatever a field holds.
    EXPECT_EQ(state.Alpha, SignificanceLevel::OnePercent);
    if (std::string(c.xmin) == "2,500") {
      EXPECT_EQ(state.Xmin, 2.5f);
    }
    EXPECT_EQ(state.Xmax, 20.0f);
  }
}

TEST(OptionFields, FileModeLoadsTheNamedFileIgnoresTheNumbersAndRewritesThem) {
  AnalysisState state = stateWith(1.0f, 10.0f, 20.0f);
  OptionFields fields;
  showState(state, fields, '.');
  fields.fileName = "other.txt";
  fields.xmin.text = "not read";
  fields.gamma = Reliability::NinetyNine;
  state.FileChanged = true;
  const ApplyResult result = applyOptionFields(state, fields, '.', [&] {
    EXPECT_EQ(state.FileName, "other.txt");
    EXPECT_EQ(state.Gamma, Reliability::NinetyNine);
    state.Xmin = 3.25f;
    state.FileChanged = false;
  });
  EXPECT_TRUE(result.fileMode);
  EXPECT_FALSE(result.error);
  EXPECT_EQ(fields.xmin.text, "3.25");
  EXPECT_EQ(fields.xmin.shown, "3.25");
  EXPECT_EQ(state.Xmin, 3.25f);
}

}  // namespace
}  // namespace engine
