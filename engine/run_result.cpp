// The p-value of a finished run, from its statistic and degrees of freedom.
#include "engine/run_result.h"

#include "engine/distributions.h"

namespace engine {

std::optional<double> pValue(const RunResult& result) {
  // Fewer than one degree of freedom gives nothing: the run had no test to give a p-value for.
  if (!result.statistic || !result.degreesOfFreedom) return std::nullopt;
  return upperTailProbability(*result.statistic, *result.degreesOfFreedom);
}

}  // namespace engine
