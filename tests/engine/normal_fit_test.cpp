// Tests of the fitted curve, the estimates and the confidence intervals.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/analysis_run.h"
#include "engine/recorded_view.h"

namespace engine {
namespace {

using Lines = std::vector<std::string>;

// A run that has just accepted the hypothesis with the given estimates.
struct AcceptedRun {
  AcceptedRun(float mean, float deviation, int32_t n, float xmin, float xmax, float h,
              char separator = '.', Reliability gamma = Reliability::NinetyFive,
              CoefficientSource coefficients = CoefficientSource::Method)
      : run(state, view, separator) {
    state.Gamma = gamma;
    state.Coefficients = coefficients;
    state.SampleCount = n;
    state.Xmin = xmin;
    state.Xmax = xmax;
    state.IntervalLength = h;
    run.intervals = static_cast<int32_t>((static_cast<double>(xmax) - xmin) / h + 1);
    run.mean = mean;
    run.deviation = deviation;
    fitNormalCurve(run);
  }
  AnalysisState state;
  RecordedView view;
  AnalysisRun run;
};

TEST(NormalFit, LogsEstimatesAndIntervalsForAHundredValues) {
  AcceptedRun accepted(10, 2, 100, 0, 10, 1);
  EXPECT_EQ(accepted.view.log(),
            (Lines{"m=px=10   b=S=2",
                   "Доверительные интервалы для надёжности = 0.95 и при n=100 имеют вид:",
                   "9.603 < m < 10.4", "1.714 < b < 2.286"}));
}

TEST(NormalFit, MeanIntervalFollowsTheSampleSizeButNotTheHeading) {
  AcceptedRun accepted(10, 2, 25, 0, 10, 1, ',');
  EXPECT_EQ(accepted.view.log(),
            (Lines{"m=px=10   b=S=2",
                   "Доверительные интервалы для надёжности = 0.95 и при n=100 имеют вид:",
                   "9,206 < m < 10,79", "1,714 < b < 2,286"}));
}

struct IntervalCase {
  const char* name;
  Reliability gamma;
  CoefficientSource coefficients;
  int32_t n;
  Lines intervals;  // the heading and the two interval lines
  double t, q;
};

TEST(NormalFit, IntervalsUseTheChosenReliabilityAndCoefficients) {
  const IntervalCase cases[] = {
      {"method",
       Reliability::NinetyFive,
       CoefficientSource::Method,
       25,
       {"Доверительные интервалы для надёжности = 0.95 и при n=100 имеют вид:", "9.206 < m < 10.79",
        "1.714 < b < 2.286"},
       1.984,
       0.143},
      // t = 2.064 and q = 0.318 for 25 values.
      {"sample of 25",
       Reliability::NinetyFive,
       CoefficientSource::Sample,
       25,
       {"Доверительные интервалы для надёжности = 0.95 и при n=25 имеют вид:", "9.174 < m < 10.83",
        "1.364 < b < 2.636"},
       2.064,
       0.318},
      // t = 2.626, q = 0.197.
      {"0.99 for the method",
       Reliability::NinetyNine,
       CoefficientSource::Method,
       100,
       {"Доверительные интервалы для надёжности = 0.99 и при n=100 имеют вид:", "9.475 < m < 10.53",
        "1.606 < b < 2.394"},
       2.626,
       0.197},
      // t = 4.781, q = 1.795: the interval for b starts at 0.
      {"0.999 for ten values",
       Reliability::NinetyNinePointNine,
       CoefficientSource::Sample,
       10,
       {"Доверительные интервалы для надёжности = 0.999 и при n=10 имеют вид:", "6.976 < m < 13.02",
        "0 < b < 5.59"},
       4.781,
       1.795},
  };
  for (const IntervalCase& c : cases) {
    SCOPED_TRACE(c.name);
    AcceptedRun accepted(10, 2, c.n, 0, 10, 1, '.', c.gamma, c.coefficients);
    const Lines& log = accepted.view.log();
    ASSERT_EQ(log.size(), 4u);
    EXPECT_EQ(Lines(log.begin() + 1, log.end()), c.intervals);
    EXPECT_EQ(accepted.run.result.t, c.t);
    EXPECT_EQ(accepted.run.result.q, c.q);
  }
}

struct CurveCase {
  const char* name;
  float xmin, xmax, h;
  size_t points;
  double lastX;
};

class CurveTest : public ::testing::TestWithParam<CurveCase> {};

TEST_P(CurveTest, AccumulatesTheAbscissaInAFloat) {
  const CurveCase& c = GetParam();
  AcceptedRun accepted(5, 2, 100, c.xmin, c.xmax, c.h);
  const auto& curve = accepted.view.curve();
  ASSERT_EQ(curve.size(), c.points);
  EXPECT_EQ(curve.front().x, c.xmin);
  EXPECT_NEAR(curve.back().x, c.lastX, 1e-5 * c.lastX + 0.05 * (c.points > 1000));
  for (size_t i = 1; i < curve.size(); ++i) EXPECT_GT(curve[i].x, curve[i - 1].x);
  for (const auto& point : curve) {
    EXPECT_EQ(point.label, "");
    EXPECT_EQ(point.colour, kRed);
  }
}

INSTANTIATE_TEST_SUITE_P(Ranges, CurveTest,
                         ::testing::Values(CurveCase{"ElevenIntervals", 0, 10, 1, 61, 120.0 / 11},
                                           CurveCase{"SixIntervals", 0, 10, 2, 37, 11.999997},
                                           CurveCase{"OneWideInterval", 0, 1, 1000, 5000, 999.8}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(NormalFit, CurveIsTheDensityScaledByTheIntervalLength) {
  for (const float h : {0.5f, 1.0f, 2.0f}) {
    AcceptedRun accepted(5, 2, 100, 0, 10, h);
    const double top = h / (std::sqrt(6.283185307179586) * 2);
    double highest = 0;
    for (const auto& point : accepted.view.curve()) {
      EXPECT_LE(point.y, top * (1 + 1e-7));
      highest = std::max(highest, point.y);
    }
    EXPECT_GT(highest, 0.99 * top) << h;
    // A point at the mean has exactly the top height.
    AcceptedRun atMean(0, 2, 100, 0, 10, h);
    EXPECT_NEAR(atMean.view.curve().front().y, top, 1e-7 * top);
  }
}

TEST(NormalFit, CurveStopsWhenTheStepCannotAdvance) {
  // Equal bounds give no step; a step below the float spacing at x cannot move x;
  // a huge interval over a narrow range would give ten million points.
  struct {
    float xmin, xmax, h;
    size_t most;
  } cases[] = {{3, 3, 1, 0}, {1e7f, 1e7f + 1, 1, 1}, {0, 1, 2e6f, 10000}};
  for (const auto& c : cases) {
    AcceptedRun accepted(c.xmin, 1, 100, c.xmin, c.xmax, c.h);
    EXPECT_EQ(accepted.view.curve().size(), c.most) << c.xmin << ' ' << c.h;
    for (const auto& point : accepted.view.curve()) EXPECT_TRUE(std::isfinite(point.y));
  }
}

}  // namespace
}  // namespace engine
