// One complete analysis run over the analysis state.
#include "engine/process_file.h"

#include "engine/analysis_run.h"

namespace engine {

namespace {

// The rows 1..k of the table, and how many columns the run filled.
void keepTable(AnalysisRun& run, RunOutcome outcome) {
  switch (outcome) {
    case RunOutcome::FileNotOpened:
    case RunOutcome::NoData:
    case RunOutcome::BadParameters:
    case RunOutcome::TooManyIntervals:
      return;
    case RunOutcome::DegenerateSpread:
      run.result.tableColumns = kWeightedSquaredDeviation + 1;
      break;
    default:
      run.result.tableColumns = kTableColumns;
  }
  for (int32_t row = 1; row <= run.intervals; ++row) {
    RunResult::TableRow& cells = run.result.table.emplace_back();
    for (int32_t column = 0; column < run.result.tableColumns; ++column)
      cells[static_cast<size_t>(column)] = run.table(column, row);
  }
}

RunOutcome runStages(AnalysisRun& run) {
  RunOutcome outcome = RunOutcome::Accepted;
  if (!startRun(run, outcome) || !groupSample(run, outcome) || !testNormality(run, outcome))
    return outcome;
  fitNormalCurve(run);
  return RunOutcome::Accepted;
}

}  // namespace

RunOutcome ProcessFile(AnalysisState& state, AnalysisView& view, char decimalSeparator) {
  AnalysisRun run(state, view, decimalSeparator);
  return runStages(run);
}

RunOutcome ProcessFile(AnalysisState& state, AnalysisView& view, char decimalSeparator,
                       RunResult& result) {
  AnalysisRun run(state, view, decimalSeparator);
  run.result.alpha = state.Alpha;
  run.result.gamma = state.Gamma;
  run.result.coefficients = state.Coefficients;
  const RunOutcome outcome = runStages(run);
  run.result.outcome = outcome;
  keepTable(run, outcome);
  result = std::move(run.result);
  return outcome;
}

}  // namespace engine
