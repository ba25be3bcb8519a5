// The numbers of one ProcessFile run, for callers that need them as numbers, not texts.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "engine/process_file.h"
#include "engine/read_stop.h"
#include "engine/table_shape.h"

namespace engine {

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
};

}  // namespace engine
