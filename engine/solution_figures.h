// The test's level and the intervals' reliability and coefficients, as the solution quotes them.
#pragma once

#include <cstdint>
#include <optional>

#include "engine/run_result.h"

namespace engine {

struct SolutionFigures {
  double significance = 0.05;           // α of the critical point
  double reliability = 0.95;            // γ of both intervals
  double student = 1.984;               // t(γ; N)
  double deviationFactor = 0.143;       // q(γ; N)
  int32_t coefficientSampleSize = 100;  // the N that t and q belong to
  std::optional<double> pValue;         // P(χ² ≥ Xb), only with a verdict
};

// What the run used, read from its result.
SolutionFigures solutionFigures(const RunResult& result);

}  // namespace engine
