// The numbers of one ProcessFile run, for callers that need them as numbers, not texts.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/analysis_settings.h"
#include "engine/process_file.h"
#include "engine/read_stop.h"
#include "engine/table_shape.h"

namespace engine {

// Why the grouping parameters could not be used.
enum class ParameterProblem { IntervalLength, RangeBounds, RangeOrder };

// Adjacent intervals whose frequencies were pooled for the test.
struct IntervalGroup {
  int32_t first = 0;  // interval numbers, first..last
  int32_t last = 0;
  int32_t row = 0;         // the table row that holds the group's contribution
  double frequency = 0.0;  // n_g and n'_g, summed in double as the test sums them
  double expected = 0.0;
  bool contributes = false;  // false when n'_g is 0 and nothing was stored
};

// Each field is empty when the run stopped before reaching it. Values are the
// ones the log and the grid format, so formatting one as they do gives their text.
struct RunResult {
  using TableRow = std::array<float, kTableColumns>;

  RunOutcome outcome = RunOutcome::FileNotOpened;
  std::optional<int32_t> n;  // SampleCount the run worked on
  std::optional<float> h;    // IntervalLength, Xmin, Xmax as the log gives them
  std::optional<float> xmin;
  std::optional<float> xmax;
  std::optional<double> intervals;          // k; with too many intervals the logged count, any size
  std::optional<int32_t> groups;            // k' after merging
  std::optional<int32_t> degreesOfFreedom;  // k' - 3, below 1 when too few groups
  std::optional<float> mean;
  std::optional<float> deviation;                     // S; NaN when the spread is undefined
  std::optional<float> statistic;                     // Xb
  std::optional<float> critical;                      // Xk, only with a verdict
  std::optional<std::array<double, 2>> meanInterval;  // as the log's interval lines compute them
  std::optional<std::array<float, 2>> deviationInterval;
  // Rows 1..k of the grouped table; the first tableColumns columns were computed.
  std::vector<TableRow> table;
  int32_t tableColumns = 0;
  std::optional<ReadStop> stoppedAt;  // where reading the sample stopped early
  bool truncated = false;             // the sample file holds more values than were read
  // The settings the run used, and the rounded coefficients of its intervals.
  SignificanceLevel alpha = SignificanceLevel::FivePercent;
  Reliability gamma = Reliability::NinetyFive;
  CoefficientSource coefficients = CoefficientSource::Method;
  std::optional<double> t;
  std::optional<double> q;

  // What the worked solution quotes besides the numbers above.
  std::string fileName;           // FileName the run worked on
  std::optional<int32_t> loaded;  // values read, when this run read the file
  std::optional<ParameterProblem> parameterProblem;
  int32_t outOfRange = 0;                     // values counted into the first or last interval
  std::optional<float> weightedMidpointSum;   // Σ n_i x_i, as summed for x̄
  std::optional<float> weightedSquareSum;     // Σ n_i (x_i − x̄)², as summed for S
  std::optional<float> contributionSum;       // Σ n_g² / n'_g, as summed for Xb
  std::vector<int32_t> markedIntervals;       // intervals whose n'_i was below 5, in order
  std::vector<IntervalGroup> intervalGroups;  // the groups the test formed, in order
  std::optional<float> halfWidth;             // δ of the interval for the mean
};

// P(χ²_df ≥ Xb) for a run that came as far as looking up its critical point; empty otherwise.
std::optional<double> pValue(const RunResult& result);

}  // namespace engine
