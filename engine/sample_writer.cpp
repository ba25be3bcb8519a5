// The program's own sample file: the interval length, then the values.
#include "engine/sample_writer.h"

#include <cmath>

#include "engine/analysis_state.h"
#include "engine/data_reader.h"
#include "engine/shortest_number.h"
#include "engine/stored.h"
#include "engine/sturges_rule.h"

namespace engine {

int64_t GroupedSeries::total() const {
  int64_t sum = 0;
  for (const int32_t frequency : frequencies) sum += frequency;
  return sum;
}

std::string sampleFileText(float intervalLength, const std::vector<float>& values) {
  constexpr size_t kPerLine = 10;
  std::string text;
  appendShortest(text, intervalLength);
  text += '\n';
  size_t onLine = 0;
  for (const float value : values) {
    if (!std::isfinite(value)) continue;
    if (onLine > 0) text += ' ';
    appendShortest(text, value);
    if (++onLine == kPerLine) {
      text += '\n';
      onLine = 0;
    }
  }
  if (onLine > 0) text += '\n';
  return text;
}

float groupedIntervalLength(const GroupedSeries& series) { return stored(series.length); }

namespace {

// The interval the analysis puts `value` in, by its own expression.
int64_t intervalOf(float value, float xmin, float length) {
  const double position = (static_cast<double>(value) - xmin) / length + 1.0;
  return position >= 1.0 && position < 1e9 ? static_cast<int64_t>(position) : 0;
}

float analysedMidpoint(int32_t interval, float xmin, float length) {
  const double h = length;
  return stored((interval * h + xmin) - h * 0.5);
}

// The sample for one choice of Xmin, or no values when the analysis would
// not count them into the series' intervals; `matches` says how many
// midpoints the analysis would show as the series has them.
GroupedSample sampleFor(const GroupedSeries& series, float xmin, float length, int32_t& matches) {
  const int32_t k = series.intervals();
  GroupedSample sample;
  sample.length = length;
  sample.xmin = xmin;
  sample.values.push_back(xmin);
  float largest = xmin;
  matches = 0;
  for (int32_t i = 1; i <= k; ++i) {
    const float analysed = analysedMidpoint(i, xmin, length);
    const float wanted = series.midpoints[static_cast<size_t>(i - 1)];
    sample.midpoints.push_back(analysed);
    if (analysed == wanted) ++matches;
    // The series' own midpoint reads better in the file; the analysed one is the fallback.
    const float value = intervalOf(wanted, xmin, length) == i ? wanted : analysed;
    if (intervalOf(value, xmin, length) != i) return {};
    const int32_t copies = series.frequencies[static_cast<size_t>(i - 1)] - (i == 1 ? 1 : 0);
    for (int32_t c = 0; c < copies; ++c) sample.values.push_back(value);
    if (copies > 0 && value > largest) largest = value;
  }
  if (intervalCount(xmin, largest, length) != k) return {};
  return sample;
}

bool describesSample(const GroupedSeries& series) {
  const int32_t k = series.intervals();
  if (k < 1 || series.midpoints.size() != series.frequencies.size()) return false;
  if (series.frequencies.front() < 1 || series.frequencies.back() < 1) return false;
  for (const int32_t frequency : series.frequencies)
    if (frequency < 0) return false;
  return series.total() <= kMaxSampleCount;
}

}  // namespace

GroupedSample groupedSample(const GroupedSeries& series) {
  const float length = groupedIntervalLength(series);
  const float left = stored(series.left);
  if (!describesSample(series) || !(std::isfinite(length) && length > 0.0f) || !std::isfinite(left))
    return {};
  // The stored left edge may give midpoints a unit in the last place off the
  // series' own; a neighbouring float for Xmin often gives more of them.
  constexpr int kNeighbours = 8;
  GroupedSample best;
  int32_t bestMatches = -1;
  float below = left;
  float above = left;
  for (int step = 0; step <= kNeighbours && bestMatches < series.intervals(); ++step) {
    for (const float xmin : {above, below}) {
      int32_t matches = 0;
      GroupedSample sample = sampleFor(series, xmin, length, matches);
      if (!sample.values.empty() && matches > bestMatches) {
        bestMatches = matches;
        best = std::move(sample);
      }
      if (step == 0) break;
    }
    above = std::nextafter(above, INFINITY);
    below = std::nextafter(below, -INFINITY);
  }
  return best;
}

std::string groupedSampleFileText(const GroupedSeries& series) {
  const GroupedSample sample = groupedSample(series);
  return sampleFileText(sample.length, sample.values);
}

std::string savedSampleText(const DataRead& read, float intervalLength) {
  return read.grouped ? groupedSampleFileText(*read.grouped)
                      : sampleFileText(intervalLength, read.values);
}

}  // namespace engine
