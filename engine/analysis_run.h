// The per-run data of one ProcessFile run, shared by its stages.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "engine/analysis_state.h"
#include "engine/analysis_view.h"
#include "engine/number_format.h"
#include "engine/process_file.h"
#include "engine/run_result.h"
#include "engine/sample_reader.h"
#include "engine/table_shape.h"

namespace engine {

// Up to 20 intervals are analysed; the table has the header row and one row each.
inline constexpr int32_t kMaxIntervals = 20;
inline constexpr int32_t kTableRows = kMaxIntervals + 1;
// 2π as a double, for the normal density's factor.
inline constexpr double kTwoPi = 6.283185307179586;

// Column numbers of the grouped series table.
enum Column : int32_t {
  kIntervalNumber = 0,
  kMidpoint = 1,
  kFrequency = 2,
  kWeightedMidpoint = 3,
  kDeviation = 4,
  kSquaredDeviation = 5,
  kWeightedSquaredDeviation = 6,
  kNormalisedDeviation = 7,
  kDensity = 8,
  kExpectedFrequency = 9,
  kContribution = 10,
};

// The table behind the grid, (column, row) from 0; row 0 is the header.
struct GroupTable {
  std::array<std::array<float, kTableRows>, kTableColumns> cells{};

  float& operator()(int32_t column, int32_t row) {
    return cells[static_cast<size_t>(column)][static_cast<size_t>(row)];
  }
  float operator()(int32_t column, int32_t row) const {
    return cells[static_cast<size_t>(column)][static_cast<size_t>(row)];
  }
};

struct AnalysisRun {
  AnalysisRun(AnalysisState& runState, AnalysisView& runView, char separator)
      : state(runState), view(runView), decimalSeparator(separator) {}

  AnalysisState& state;
  AnalysisView& view;
  char decimalSeparator;

  // What reading the sample file did; empty when this run did not read it.
  std::optional<SampleRead> sampleRead;

  int32_t intervals = 0;  // 1..kMaxIntervals once grouping starts
  GroupTable table;
  std::array<bool, kTableRows> MergedWithNext{};  // by interval number; flag 0 unused
  float mean = 0.0f;
  float deviation = 0.0f;  // corrected sample standard deviation S
  RunResult result;        // the numbers the stages reached, for the caller that asks

  // Numbers in the general format with 5 or 4 significant digits.
  std::string fiveDigits(double value) const {
    return formatGeneral(value, 5, 2, decimalSeparator);
  }
  std::string fourDigits(double value) const {
    return formatGeneral(value, 4, 2, decimalSeparator);
  }
};

// The stages of a run, in order. Each returns true when the run goes on;
// otherwise it has logged why and stored the outcome.
bool startRun(AnalysisRun& run, RunOutcome& outcome);
bool groupSample(AnalysisRun& run, RunOutcome& outcome);
bool testNormality(AnalysisRun& run, RunOutcome& outcome);
void fitNormalCurve(AnalysisRun& run);

}  // namespace engine
