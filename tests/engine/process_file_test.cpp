// Tests of whole runs: grouping, the grid, the histogram, the verdict and the curve.
#include "engine/process_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <sstream>

#include "engine/critical_points.h"
#include "engine/recorded_view.h"
#include "engine/texts.h"
#include "tests/engine/test_files.h"

namespace engine {
namespace {

using Lines = std::vector<std::string>;

// A sample state as a fresh load leaves it: the range taken from the values.
AnalysisState loadedState(const std::vector<float>& values, float h) {
  float low = values.front(), high = values.front();
  for (float v : values) low = std::min(low, v), high = std::max(high, v);
  return testing::stateInMemory(values, h, low, high);
}

std::vector<float> normalSample(int n, double mean, double deviation, unsigned seed) {
  std::mt19937 generator(seed);
  std::normal_distribution<double> normal(mean, deviation);
  std::vector<float> values;
  for (int i = 0; i < n; ++i)
    values.push_back(static_cast<float>(std::round(normal(generator) * 100) / 100));
  return values;
}

double number(const std::string& text) { return std::stod(text); }

int32_t intervalCount(const RecordedView& view) { return view.gridRowCount() - 2; }

TEST(ProcessFile, ShippedSampleIsAcceptedWithTheWholePath) {
  AnalysisState state;
  state.FileName = TARNEK_DATA_DIR "/Input.txt";
  RecordedView tableMessages;
  ASSERT_EQ(
      loadCriticalPoints(TARNEK_DATA_DIR "/exttable.txt", state.CriticalPoints, tableMessages),
      TableLoad::Loaded);
  RecordedView view;
  EXPECT_EQ(ProcessFile(state, view, '.'), RunOutcome::Accepted);
  const int32_t k = intervalCount(view);
  EXPECT_GE(k, 8);
  EXPECT_LE(k, 12);
  EXPECT_EQ(view.log()[0], "Загружено 100 элементов");
  EXPECT_EQ(view.log()[5], "Число интервалов равно " + std::to_string(k));
  EXPECT_EQ(view.log().size() >= 4 ? view.log()[view.log().size() - 3] : "",
            "Доверительные интервалы для надёжности = 0.95 и при n=100 имеют вид:");
  EXPECT_FALSE(view.curve().empty());
}

TEST(ProcessFile, GridHasHeaderIntervalsAndSummaryRow) {
  AnalysisState state = loadedState(normalSample(200, 50, 2, 7), 1);
  RecordedView view;
  ASSERT_NE(ProcessFile(state, view, '.'), RunOutcome::TooManyIntervals);
  const int32_t k = intervalCount(view);
  for (int column = 0; column < 11; ++column)
    EXPECT_EQ(view.cell(column, 0), std::to_string(column + 1));
  double frequencies = 0;
  for (int row = 1; row <= k; ++row) {
    EXPECT_EQ(view.cell(0, row), std::to_string(row));
    frequencies += number(view.cell(2, row));
  }
  EXPECT_EQ(frequencies, 200);
  for (int column = 0; column < 11; ++column) {
    const bool summary = column == 3 || column == 6 || column == 10;
    EXPECT_EQ(view.cell(column, k + 1).empty(), !summary) << column;
  }
  EXPECT_NEAR(number(view.cell(3, k + 1)), 50, 0.5);
  EXPECT_NEAR(number(view.cell(6, k + 1)), 2, 0.3);
}

TEST(ProcessFile, HistogramHasRelativeFrequenciesAtIntervalEdges) {
  AnalysisState state = loadedState(normalSample(150, 20, 1, 3), 0.5f);
  RecordedView view;
  ProcessFile(state, view, ',');
  const int32_t k = intervalCount(view);
  const auto& points = view.histogram();
  ASSERT_EQ(points.size(), static_cast<size_t>(k + 1));
  double total = 0;
  for (int i = 0; i <= k; ++i) {
    EXPECT_DOUBLE_EQ(points[i].x, state.Xmin + i * 0.5);
    EXPECT_EQ(points[i].colour, kRed);
    total += points[i].y;
  }
  EXPECT_EQ(points.back().y, 0.0);
  EXPECT_NEAR(total, 1.0, 1e-12);
  std::string label = points[1].label;
  EXPECT_EQ(label.find('.'), std::string::npos) << label;
}

TEST(ProcessFile, TwentyIntervalsFillTwentyTwoRows) {
  std::vector<float> values;
  for (int i = 0; i < 40; ++i) values.push_back(i * 0.5f);  // 0 .. 19.5
  AnalysisState state = loadedState(values, 1);
  RecordedView view;
  EXPECT_NE(ProcessFile(state, view, '.'), RunOutcome::TooManyIntervals);
  EXPECT_EQ(view.gridRowCount(), 22);
  EXPECT_EQ(view.cell(0, 20), "20");
  EXPECT_EQ(view.cell(2, 20), "2");
  EXPECT_EQ(view.histogram().size(), 21u);
}

TEST(ProcessFile, ValuesOnAnEdgeBelongToTheIntervalOnTheirRight) {
  // 0, 1, 2, 3 and 3.5 with h = 1 from 0: the value 3 counts in interval 4, Xmax in the last.
  AnalysisState state = testing::stateInMemory({0, 1, 2, 3, 3.5f, 3.75f}, 1, 0, 3.75f);
  RecordedView view;
  ProcessFile(state, view, '.');
  ASSERT_EQ(intervalCount(view), 4);
  EXPECT_EQ(view.cell(2, 1), "1");
  EXPECT_EQ(view.cell(2, 3), "1");
  EXPECT_EQ(view.cell(2, 4), "3");
}

TEST(ProcessFile, ValuesOutsideTheRangeAreClampedAndReported) {
  std::vector<float> values = normalSample(100, 10, 1, 11);
  values.push_back(-1e30f);
  values.push_back(1e30f);
  values.push_back(40);
  AnalysisState state = testing::stateInMemory(values, 1, 7, 13);
  RecordedView view;
  ProcessFile(state, view, '.');
  ASSERT_GE(view.log().size(), 6u);
  EXPECT_EQ(view.log()[4], "Число интервалов равно 7");
  int outside = 3;
  for (size_t i = 0; i < 100; ++i) outside += values[i] < 7 || values[i] >= 14;
  EXPECT_EQ(view.log()[5], "Значений вне диапазона: " + std::to_string(outside) +
                               ", они отнесены к крайним интервалам");
  double frequencies = 0;
  for (int row = 1; row <= 7; ++row) frequencies += number(view.cell(2, row));
  EXPECT_EQ(frequencies, 103);
}

TEST(ProcessFile, DegenerateSpreadShowsThePartialTableAndStops) {
  struct {
    std::vector<float> values;
    const char* deviation;
  } cases[] = {{{4.5f}, "NAN"}, {{2, 2, 2, 2}, "0"}};
  for (const auto& c : cases) {
    AnalysisState state = loadedState(c.values, 1);
    RecordedView view;
    EXPECT_EQ(ProcessFile(state, view, '.'), RunOutcome::DegenerateSpread);
    EXPECT_EQ(view.log().back(), text::kDegenerateSpread);
    EXPECT_EQ(view.gridRowCount(), 3);
    EXPECT_EQ(view.cell(10, 0), "11");
    EXPECT_EQ(view.cell(6, 1), "0");
    EXPECT_EQ(view.cell(7, 1), "");
    EXPECT_EQ(view.cell(9, 1), "");
    EXPECT_EQ(view.cell(6, 2), c.deviation);
    EXPECT_EQ(view.cell(10, 2), "");
    EXPECT_EQ(view.histogram().size(), 2u);
    EXPECT_TRUE(view.curve().empty());
  }
}

TEST(ProcessFile, ThreeValuesMergeIntoOneGroupAndGiveNoVerdict) {
  testing::TempDir dir;
  AnalysisState state;
  state.FileName = dir.write("Input.txt", "2 10 12 14");
  RecordedView view;
  EXPECT_EQ(ProcessFile(state, view, '.'), RunOutcome::TooFewIntervals);
  const Lines& log = view.log();
  ASSERT_EQ(log.size(), 11u);
  EXPECT_EQ(Lines(log.begin() + 6, log.end()),
            (Lines{"Значение npi для интервала 1 меньше 5. Интервал объединен с соседним",
                   "Значение npi для интервала 2 меньше 5. Интервал объединен с соседним",
                   "Значение npi для интервала 3 меньше 5. Интервал объединен с соседним",
                   "Новое число интервалов равно 1",
                   "Число интервалов после объединения 1 меньше 4: проверка гипотезы невозможна"}));
  EXPECT_EQ(view.cell(3, 4), "13");  // mean
  EXPECT_EQ(view.cell(6, 4), "2");   // S
}

// Expected frequencies are n·h/S·φ(u): they add up to about n for any h.
TEST(ProcessFile, ExpectedFrequenciesAddUpToNForAnyIntervalLength) {
  struct {
    double deviation;
    float h;
  } cases[] = {{2, 2}, {1, 0.5f}, {1.5, 1}};
  for (const auto& c : cases) {
    AnalysisState state = loadedState(normalSample(200, 30, c.deviation, 5), c.h);
    RecordedView view;
    EXPECT_EQ(ProcessFile(state, view, '.'), RunOutcome::Accepted) << c.h;
    const int32_t k = intervalCount(view);
    double expected = 0;
    for (int row = 1; row <= k; ++row) expected += number(view.cell(9, row));
    EXPECT_GT(expected, 180) << c.h;
    EXPECT_LT(expected, 202) << c.h;
  }
}

TEST(ProcessFile, NonNormalSampleIsRejectedWithoutCurve) {
  std::vector<float> values;
  for (int i = 0; i < 100; ++i) values.push_back(i % 2 ? 1.0f + i * 0.001f : 9.0f - i * 0.001f);
  AnalysisState state = loadedState(values, 1);
  RecordedView view;
  EXPECT_EQ(ProcessFile(state, view, '.'), RunOutcome::Rejected);
  EXPECT_NE(view.log().back().find("Гипотеза о нормальном распределении отвергнута."),
            std::string::npos);
  EXPECT_FALSE(view.histogram().empty());
  EXPECT_TRUE(view.curve().empty());
}

TEST(ProcessFile, ARunReplacesEverythingThePreviousOneShowed) {
  AnalysisState state = loadedState(normalSample(200, 50, 2, 7), 1);
  RecordedView view;
  ProcessFile(state, view, '.');
  const int32_t oldRows = view.gridRowCount();
  state.IntervalLength = 100;  // now one interval and a degenerate spread
  ProcessFile(state, view, '.');
  EXPECT_EQ(view.gridRowCount(), 3);
  view.setGridRowCount(oldRows);
  for (int32_t row = 3; row < oldRows; ++row)
    for (int column = 0; column < 11; ++column) EXPECT_EQ(view.cell(column, row), "") << row;
  EXPECT_TRUE(view.curve().empty());
  EXPECT_EQ(view.histogram().size(), 2u);
  EXPECT_EQ(view.log().front(), "Обрабатываю файл - sample.txt");
}

}  // namespace
}  // namespace engine
