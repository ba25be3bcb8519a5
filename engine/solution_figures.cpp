// The test's level and the intervals' reliability and coefficients, as the solution quotes them.
#include "engine/solution_figures.h"

#include "engine/interval_coefficients.h"

namespace engine {

SolutionFigures solutionFigures(const RunResult& result) {
  SolutionFigures figures;
  figures.significance = levelText(result.alpha);
  figures.tableColumn = levelColumn(result.alpha);
  figures.reliability = reliabilityText(result.gamma);
  figures.methodSampleSize = result.coefficients == CoefficientSource::Method;
  figures.coefficientSampleSize = coefficientSampleSize(result.coefficients, result.n.value_or(0));
  // The same rounded coefficients the run's intervals were computed with.
  const IntervalCoefficients coefficients =
      intervalCoefficients(result.gamma, figures.coefficientSampleSize);
  figures.student = result.t.value_or(coefficients.t);
  figures.deviationFactor = result.q.value_or(coefficients.q);
  figures.lowFactor = coefficients.low;
  figures.highFactor = coefficients.high;
  figures.pValue = pValue(result);
  return figures;
}

}  // namespace engine
