// One complete analysis run over the analysis state.
#include "process_file.h"

#include "analysis_run.h"

namespace engine {

RunOutcome ProcessFile(AnalysisState& state, AnalysisView& view, char decimalSeparator) {
  AnalysisRun run(state, view, decimalSeparator);
  RunOutcome outcome = RunOutcome::Accepted;
  if (!startRun(run, outcome) || !groupSample(run, outcome) || !testNormality(run, outcome))
    return outcome;
  fitNormalCurve(run);
  return RunOutcome::Accepted;
}

}  // namespace engine
