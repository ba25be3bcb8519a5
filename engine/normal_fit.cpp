// The fitted normal curve, the estimates and the confidence intervals.
#include <cmath>

#include "engine/analysis_run.h"
#include "engine/interval_coefficients.h"
#include "engine/stored.h"
#include "engine/texts.h"

namespace engine {

namespace {

constexpr int32_t kPointsPerInterval = 5;
constexpr int32_t kMaxCurvePoints = 10000;

// The density scaled by h, so the curve sits on the histogram of relative frequencies.
void drawCurve(AnalysisRun& run) {
  const AnalysisState& state = run.state;
  const float s = run.deviation;
  const float h = state.IntervalLength;
  const float scale = stored(1.0 / (std::sqrt(kTwoPi) * s));
  const float step =
      stored((static_cast<double>(state.Xmax) - state.Xmin) / (kPointsPerInterval * run.intervals));
  const float end = stored(run.intervals * static_cast<double>(h) + state.Xmin);
  if (!(std::isfinite(step) && step > 0.0f)) return;

  const double twiceVariance = 2.0f * (static_cast<double>(s) * s);
  float x = state.Xmin;
  for (int32_t points = 0; x < end && points < kMaxCurvePoints; ++points) {
    const double offset = static_cast<double>(x) - run.mean;
    const double y = h * (scale * std::exp(-(offset * offset) / twiceVariance));
    run.view.appendPoint(kCurveSeries, x, y, "", kRed);
    const float next = stored(static_cast<double>(x) + step);
    if (!(next > x)) break;  // the step is below the spacing of floats at x
    x = next;
  }
}

}  // namespace

void fitNormalCurve(AnalysisRun& run) {
  AnalysisView& view = run.view;
  const float s = run.deviation;
  view.appendLog(text::kEstimatesMean + run.fiveDigits(run.mean) + text::kEstimatesDeviation +
                 run.fiveDigits(s));
  drawCurve(run);

  const AnalysisState& state = run.state;
  const int32_t size = coefficientSampleSize(state.Coefficients, state.SampleCount);
  const IntervalCoefficients coefficients = intervalCoefficients(state.Gamma, size);
  run.result.t = coefficients.t;
  run.result.q = coefficients.q;
  const float halfWidth =
      stored(coefficients.t * s / std::sqrt(static_cast<double>(state.SampleCount)));
  const float low = stored(coefficients.low * s);
  const float high = stored(coefficients.high * s);
  const double meanLow = static_cast<double>(run.mean) - halfWidth;
  const double meanHigh = static_cast<double>(run.mean) + halfWidth;
  run.result.halfWidth = halfWidth;
  run.result.meanInterval = {meanLow, meanHigh};
  run.result.deviationInterval = {low, high};
  view.appendLog(text::kIntervalsHeadingPrefix + std::string(reliabilityText(state.Gamma)) +
                 text::kIntervalsHeadingMiddle + formatInteger(size) +
                 text::kIntervalsHeadingSuffix);
  view.appendLog(run.fourDigits(meanLow) + text::kMeanInterval + run.fourDigits(meanHigh));
  view.appendLog(run.fourDigits(low) + text::kDeviationInterval + run.fourDigits(high));
}

}  // namespace engine
