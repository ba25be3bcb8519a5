// Grouping the sample: frequencies, histogram, mean, deviation, expected frequencies.
#include <cmath>

#include "engine/analysis_run.h"
#include "engine/stored.h"
#include "engine/texts.h"

namespace engine {

namespace {

// Counts each value into its interval; returns how many had to be clamped
// into the first or the last interval because they lie outside the range.
int32_t countFrequencies(AnalysisRun& run) {
  const AnalysisState& state = run.state;
  int32_t clamped = 0;
  for (int32_t i = 0; i < state.SampleCount; ++i) {
    const double position =
        (static_cast<double>(state.Sample[static_cast<size_t>(i)]) - state.Xmin) /
            state.IntervalLength +
        1.0;
    int32_t interval = 0;
    if (position >= 1.0 && position < run.intervals + 1.0) {
      interval = static_cast<int32_t>(position);
    } else {
      // Below the range (or not a number) goes to the first, above it to the last.
      interval = position >= run.intervals + 1.0 ? run.intervals : 1;
      ++clamped;
    }
    run.table(kFrequency, interval) = stored(run.table(kFrequency, interval) + 1.0);
  }
  return clamped;
}

void drawHistogram(AnalysisRun& run) {
  const AnalysisState& state = run.state;
  for (int32_t i = 1; i <= run.intervals + 1; ++i) {
    const double x = state.Xmin + (i - 1) * static_cast<double>(state.IntervalLength);
    const double count = i <= run.intervals ? run.table(kFrequency, i) : 0.0;
    const double y = count / state.SampleCount;
    run.view.appendPoint(kHistogramSeries, x, y, run.fiveDigits(x), kRed);
  }
}

// The running sum of a column over the intervals, rounded at every step.
float columnSum(const AnalysisRun& run, int32_t column) {
  float sum = 0.0f;
  for (int32_t i = 1; i <= run.intervals; ++i)
    sum = stored(static_cast<double>(sum) + run.table(column, i));
  return sum;
}

// The table with the header row and the columns filled so far, when the test cannot go on.
void showPartialTable(AnalysisRun& run) {
  run.view.setGridRowCount(run.intervals + 2);
  for (int32_t column = 0; column < kTableColumns; ++column)
    run.view.setGridCell(column, 0, run.fourDigits(run.table(column, 0)));
  for (int32_t i = 1; i <= run.intervals; ++i)
    for (int32_t column = kIntervalNumber; column <= kWeightedSquaredDeviation; ++column)
      run.view.setGridCell(column, i, run.fourDigits(run.table(column, i)));
}

}  // namespace

bool groupSample(AnalysisRun& run, RunOutcome& outcome) {
  AnalysisState& state = run.state;
  GroupTable& table = run.table;
  const int32_t k = run.intervals;
  const int32_t n = state.SampleCount;
  const double h = state.IntervalLength;

  const int32_t clamped = countFrequencies(run);
  run.result.outOfRange = clamped;
  if (clamped > 0)
    run.view.appendLog(text::kOutOfRangePrefix + formatInteger(clamped) + text::kOutOfRangeSuffix);
  drawHistogram(run);

  for (int32_t column = 0; column < kTableColumns; ++column) table(column, 0) = stored(column + 1);
  for (int32_t i = 1; i <= k; ++i) {
    table(kIntervalNumber, i) = stored(i);
    table(kMidpoint, i) = stored((i * h + state.Xmin) - h * 0.5);
    table(kWeightedMidpoint, i) =
        stored(static_cast<double>(table(kFrequency, i)) * table(kMidpoint, i));
  }

  const float weightedMidpointSum = columnSum(run, kWeightedMidpoint);
  run.result.weightedMidpointSum = weightedMidpointSum;
  run.mean = stored(static_cast<double>(weightedMidpointSum) / n);
  run.view.setGridCell(kWeightedMidpoint, k + 1, run.fourDigits(run.mean));

  for (int32_t i = 1; i <= k; ++i) {
    table(kDeviation, i) = stored(std::fabs(static_cast<double>(table(kMidpoint, i)) - run.mean));
    const double deviation = table(kDeviation, i);
    table(kSquaredDeviation, i) = stored(deviation * deviation);
    table(kWeightedSquaredDeviation, i) =
        stored(static_cast<double>(table(kFrequency, i)) * table(kSquaredDeviation, i));
  }

  // With a single value there is no corrected deviation; 0/0 would say the same.
  const float weightedSquareSum = columnSum(run, kWeightedSquaredDeviation);
  run.result.weightedSquareSum = weightedSquareSum;
  const double sumOfSquares = weightedSquareSum;
  run.deviation = n < 2 ? stored(NAN) : stored(std::sqrt(sumOfSquares / (n - 1)));
  run.view.setGridCell(kWeightedSquaredDeviation, k + 1, run.fourDigits(run.deviation));

  run.result.mean = run.mean;
  run.result.deviation = run.deviation;
  const float deviation = run.deviation;
  if (n < 2 || !(std::isfinite(deviation) && deviation > 0.0f)) {
    showPartialTable(run);
    run.view.appendLog(text::kDegenerateSpread);
    outcome = RunOutcome::DegenerateSpread;
    return false;
  }

  const float densityFactor = stored(1.0 / std::sqrt(kTwoPi));
  // n'_i = n·h/S · φ(u_i): the expected count of an interval of length h.
  const float expectedFactor = stored(n * h / deviation);
  for (int32_t i = 1; i <= k; ++i) {
    table(kNormalisedDeviation, i) = stored(static_cast<double>(table(kDeviation, i)) / deviation);
    const double u = table(kNormalisedDeviation, i);
    table(kDensity, i) = stored(std::exp(-(u * u) * 0.5) * densityFactor);
    table(kExpectedFrequency, i) = stored(static_cast<double>(expectedFactor) * table(kDensity, i));
  }
  return true;
}

}  // namespace engine
