// Fuzz target: a whole ProcessFile over an arbitrary analysis state, with the invariants of a run.
#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "engine/interval_coefficients.h"
#include "engine/process_file.h"
#include "engine/recorded_view.h"
#include "engine/run_result.h"
#include "engine/texts.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/fuzzed_state.h"
#include "fuzz/log_shapes.h"
#include "fuzz/solution_quotes.h"

namespace {

using engine::AnalysisState;
using engine::RecordedView;
using engine::RunOutcome;

constexpr int32_t kMaxGridRows = 22;
constexpr size_t kMaxCurvePoints = 10000;

// A RecordedView that checks each call as the run makes it.
class CheckedView : public RecordedView {
 public:
  void setGridRowCount(int32_t rows) override {
    FUZZ_CHECK(rows >= 3 && rows <= kMaxGridRows, "grid rows " + std::to_string(rows));
    RecordedView::setGridRowCount(rows);
  }
  void setGridCell(int32_t column, int32_t row, const std::string& text) override {
    FUZZ_CHECK(column >= 0 && column < engine::kTableColumns && row >= 0 && row < kMaxGridRows,
               "cell " + std::to_string(column) + "," + std::to_string(row));
    RecordedView::setGridCell(column, row, text);
  }
  void appendPoint(int32_t series, double x, double y, const std::string& label,
                   engine::Colour colour) override {
    FUZZ_CHECK(series == engine::kHistogramSeries || series == engine::kCurveSeries, "series");
    FUZZ_CHECK(std::isfinite(x) && std::isfinite(y) && y >= 0,
               "point " + std::to_string(x) + ", " + std::to_string(y));
    RecordedView::appendPoint(series, x, y, label, colour);
  }
  void showMessage(const std::string& text) override {
    FUZZ_CHECK(false, "a run showed a message: " + text);
  }
};

uint32_t bitsOf(float value) {
  uint32_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}

bool sameState(const AnalysisState& a, const AnalysisState& b) {
  if (a.FileName != b.FileName || a.FileChanged != b.FileChanged ||
      bitsOf(a.Xmin) != bitsOf(b.Xmin) || bitsOf(a.Xmax) != bitsOf(b.Xmax) ||
      bitsOf(a.IntervalLength) != bitsOf(b.IntervalLength) || a.SampleCount != b.SampleCount ||
      a.Alpha != b.Alpha || a.Gamma != b.Gamma || a.Coefficients != b.Coefficients)
    return false;
  for (size_t i = 0; i < a.Sample.size(); ++i)
    if (bitsOf(a.Sample[i]) != bitsOf(b.Sample[i])) return false;
  return std::memcmp(&a.CriticalPoints, &b.CriticalPoints, sizeof a.CriticalPoints) == 0;
}

// What a previous run may have left in the view: a full 22-row grid, or an accepted sample.
void dirty(RecordedView& view, int choice) {
  if (choice == 0) return;
  AnalysisState previous;
  previous.FileChanged = false;
  previous.CriticalPoints = fuzz::referenceTable();
  if (choice == 1) {
    previous.SampleCount = 40;
    for (int i = 0; i < 40; ++i) previous.Sample[size_t(i)] = i * 0.5f;
    previous.Xmax = 19.5f;
    previous.IntervalLength = 1;
  } else {
    std::mt19937 generator(5);
    std::normal_distribution<float> normal(50, 2);
    previous.SampleCount = 200;
    previous.Xmin = previous.Xmax = 50;
    for (float& value : previous.Sample) {
      value = normal(generator);
      previous.Xmin = std::min(previous.Xmin, value);
      previous.Xmax = std::max(previous.Xmax, value);
    }
    previous.IntervalLength = 1;
  }
  engine::ProcessFile(previous, view, '.');
}

bool isInteger(const std::string& text, int64_t low, int64_t high, int64_t& value) {
  if (fuzz::scanInteger(text, 0) != text.size() || text.size() > 18) return false;
  value = std::stoll(text);
  return value >= low && value <= high;
}

std::string tail(const std::string& line, const char* prefix) {
  const std::string start(prefix);
  return line.compare(0, start.size(), start) == 0 ? line.substr(start.size()) : std::string();
}

bool reachedGrouping(RunOutcome outcome) {
  return outcome == RunOutcome::DegenerateSpread || outcome == RunOutcome::TooFewIntervals ||
         outcome == RunOutcome::NoCriticalPoint || outcome == RunOutcome::Rejected ||
         outcome == RunOutcome::Accepted;
}

// The level's line stands right before the verdict (or the line saying there is none), and
// nowhere at the default level.
void checkLevelLine(const AnalysisState& state, const std::vector<std::string>& log,
                    size_t verdict) {
  const std::string line = fuzz::shape::levelLine(state.Alpha);
  const size_t count = size_t(std::count_if(log.begin(), log.end(), [](const std::string& l) {
    return l.rfind(engine::text::kSignificanceLevel, 0) == 0;
  }));
  if (state.Alpha == engine::SignificanceLevel::FivePercent) {
    FUZZ_CHECK(count == 0, "a level line at the default level");
  } else {
    FUZZ_CHECK(count == 1 && verdict >= 1 && log[verdict - 1] == line, "level line: " + line);
  }
}

void checkRun(const AnalysisState& state, const RecordedView& view, RunOutcome outcome,
              char separator) {
  namespace t = engine::text;
  const std::vector<std::string>& log = view.log();
  for (const std::string& line : log)
    FUZZ_CHECK(fuzz::isLogLine(line, separator, state.FileName), "log line: " + line);
  FUZZ_CHECK(!log.empty(), "empty log");
  const std::string& last = log.back();
  const auto lastIs = [&](const std::string& shape) {
    return fuzz::matchesShape(last, shape, separator);
  };

  const bool verdictPlace = outcome == RunOutcome::NoCriticalPoint ||
                            outcome == RunOutcome::Rejected || outcome == RunOutcome::Accepted;
  if (!verdictPlace)
    for (const std::string& line : log)
      FUZZ_CHECK(line.rfind(t::kSignificanceLevel, 0) != 0, "a level line without a verdict");

  switch (outcome) {
    case RunOutcome::NoData:
      FUZZ_CHECK(state.SampleCount == 0 && log.size() == 1 && last == t::kNoData, last);
      break;
    case RunOutcome::BadParameters:
      FUZZ_CHECK(log.size() == 5 && (last == t::kBadIntervalLength || last == t::kBadRangeBounds ||
                                     last == t::kBadRangeOrder),
                 last);
      break;
    case RunOutcome::TooManyIntervals:
      FUZZ_CHECK(log.size() == 6 && last == t::kTooManyIntervals, last);
      break;
    case RunOutcome::DegenerateSpread:
      FUZZ_CHECK(last == t::kDegenerateSpread, last);
      break;
    case RunOutcome::TooFewIntervals:
      FUZZ_CHECK(lastIs(fuzz::shape::kTooFew), last);
      break;
    case RunOutcome::NoCriticalPoint:
      FUZZ_CHECK(lastIs(fuzz::shape::kNoCriticalPoint), last);
      checkLevelLine(state, log, log.size() - 1);
      break;
    case RunOutcome::Rejected:
      FUZZ_CHECK(lastIs(fuzz::shape::kRejectedVerdict), last);
      checkLevelLine(state, log, log.size() - 1);
      break;
    case RunOutcome::Accepted: {
      const std::string heading =
          t::kIntervalsHeadingPrefix + std::string(engine::reliabilityText(state.Gamma)) +
          t::kIntervalsHeadingMiddle +
          std::to_string(engine::coefficientSampleSize(state.Coefficients, state.SampleCount)) +
          t::kIntervalsHeadingSuffix;
      FUZZ_CHECK(
          log.size() >= 5 && lastIs(fuzz::shape::kDeviationInterval) &&
              fuzz::matchesShape(log[log.size() - 2], fuzz::shape::kMeanInterval, separator) &&
              log[log.size() - 3] == heading &&
              fuzz::matchesShape(log[log.size() - 4], fuzz::shape::kEstimates, separator) &&
              fuzz::matchesShape(log[log.size() - 5], fuzz::shape::kAcceptedVerdict, separator),
          last);
      checkLevelLine(state, log, log.size() - 5);
      break;
    }
    default:
      FUZZ_CHECK(false, "outcome " + std::to_string(int(outcome)));
  }

  int64_t k = 0;
  if (log.size() >= 5) {
    const std::string count = tail(log[4], t::kIntervalCount);
    if (outcome == RunOutcome::TooManyIntervals) {
      FUZZ_CHECK(fuzz::scanInteger(count, 0) == count.size() && count[0] != '-' &&
                     (count.size() > 2 || std::stoi(count) > 20),
                 log[4]);
    } else if (outcome != RunOutcome::BadParameters) {
      FUZZ_CHECK(isInteger(count, 1, 20, k), log[4]);
    }
  }

  const auto& histogram = view.histogram();
  const auto& curve = view.curve();
  FUZZ_CHECK(curve.size() <= kMaxCurvePoints, std::to_string(curve.size()) + " curve points");
  FUZZ_CHECK(curve.empty() || outcome == RunOutcome::Accepted, "curve without acceptance");
  for (size_t i = 1; i < curve.size(); ++i) FUZZ_CHECK(curve[i].x > curve[i - 1].x, "curve x");

  if (!reachedGrouping(outcome)) {
    FUZZ_CHECK(histogram.empty(), "histogram before grouping");
    return;
  }
  FUZZ_CHECK(view.gridRowCount() == k + 2, "grid rows for k = " + std::to_string(k));
  FUZZ_CHECK(histogram.size() == size_t(k + 1), "histogram points for k = " + std::to_string(k));
  double total = 0;
  for (const auto& point : histogram) {
    total += point.y;
    FUZZ_CHECK(fuzz::scanGeneral(point.label, 0, separator, 5, 2) == point.label.size(),
               "label " + point.label);
  }
  FUZZ_CHECK(histogram.back().y == 0.0, "the closing point");
  // Values outside the range are counted into the end intervals, so this holds for all.
  FUZZ_CHECK(std::fabs(total - 1.0) <= 1e-9, "histogram total " + std::to_string(total));

  int64_t frequencies = 0;
  for (int32_t row = 0; row < kMaxGridRows; ++row) {
    for (int32_t column = 0; column < engine::kTableColumns; ++column) {
      const std::string& cell = view.cell(column, row);
      FUZZ_CHECK(cell.empty() || fuzz::scanGeneral(cell, 0, separator, 4, 2) == cell.size(),
                 "cell " + cell);
      if (row == 0) FUZZ_CHECK(cell == std::to_string(column + 1), "header " + cell);
      if (row >= 1 && row <= k && column == 0)
        FUZZ_CHECK(cell == std::to_string(row), "interval number " + cell);
      int64_t count = 0;
      if (row >= 1 && row <= k && column == 2) {
        FUZZ_CHECK(isInteger(cell, 0, engine::kMaxSampleCount, count), "frequency " + cell);
        frequencies += count;
      }
    }
  }
  FUZZ_CHECK(frequencies == state.SampleCount,
             "frequencies add up to " + std::to_string(frequencies));
}

// Everything a viewer can see; rows past the row count of either view read as empty.
void checkSameView(const RecordedView& fresh, const RecordedView& reused, RunOutcome outcome) {
  FUZZ_CHECK(fresh.log() == reused.log(), "log differs after an earlier run");
  const auto samePoints = [](const std::vector<engine::RecordedPoint>& a,
                             const std::vector<engine::RecordedPoint>& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
      if (a[i].x != b[i].x || a[i].y != b[i].y || a[i].label != b[i].label ||
          !(a[i].colour == b[i].colour))
        return false;
    return true;
  };
  FUZZ_CHECK(samePoints(fresh.histogram(), reused.histogram()), "histogram differs");
  FUZZ_CHECK(samePoints(fresh.curve(), reused.curve()), "curve differs");
  if (reachedGrouping(outcome))
    FUZZ_CHECK(fresh.gridRowCount() == reused.gridRowCount(), "row count differs");
  const int32_t rows = std::max(fresh.gridRowCount(), reused.gridRowCount());
  for (int32_t row = 0; row < rows; ++row)
    for (int32_t column = 0; column < engine::kTableColumns; ++column)
      FUZZ_CHECK(fresh.cell(column, row) == reused.cell(column, row),
                 "cell " + std::to_string(column) + "," + std::to_string(row) + " differs");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::FuzzedRun fuzzed = fuzz::fuzzedRun(data, size);
  const char separator = fuzzed.separator;
  const int previousRun = fuzzed.previousRun;
  AnalysisState& state = fuzzed.state;

  const AnalysisState before = state;
  CheckedView view;
  engine::RunResult result;
  const RunOutcome outcome = engine::ProcessFile(state, view, separator, result);
  FUZZ_CHECK(sameState(state, before), "a run without a file to read changed the state");
  checkRun(state, view, outcome, separator);
  // The worked solution quotes the log's and the grid's own digits, whatever the run did.
  const std::vector<std::string> misquoted =
      fuzz::SolutionQuotes(view, result, separator).problems();
  FUZZ_CHECK(misquoted.empty(), misquoted.front());

  // The same run over a view an earlier run filled, with leftovers in the unused sample
  // slots, must show exactly the same.
  AnalysisState stale = before;
  for (size_t i = size_t(stale.SampleCount); i < stale.Sample.size(); ++i) stale.Sample[i] = NAN;
  CheckedView reused;
  dirty(reused, previousRun);
  FUZZ_CHECK(engine::ProcessFile(stale, reused, separator) == outcome, "outcome differs");
  checkSameView(view, reused, outcome);
  return 0;
}
