// One complete analysis run over the analysis state.
#pragma once

#include "engine/analysis_state.h"
#include "engine/analysis_view.h"

namespace engine {

struct RunResult;

// Where a run ended. The view has already received everything the run shows;
// callers need this only to tell an unreadable file from the rest.
enum class RunOutcome {
  FileNotOpened,
  NoData,
  BadParameters,
  TooManyIntervals,
  DegenerateSpread,
  TooFewIntervals,
  NoCriticalPoint,  // the table has no usable point for the run's degrees of freedom and level
  Rejected,
  Accepted,
};

// Clears the view, reads the sample file when state.FileChanged is set,
// groups the sample, tests it for normality and, on acceptance, draws the
// fitted curve and logs the confidence intervals. Never throws; every
// problem is a fixed log line. decimalSeparator is used in every number.
RunOutcome ProcessFile(AnalysisState& state, AnalysisView& view, char decimalSeparator);

// The same run, which also hands back its numbers in `result` (run_result.h).
RunOutcome ProcessFile(AnalysisState& state, AnalysisView& view, char decimalSeparator,
                       RunResult& result);

}  // namespace engine
