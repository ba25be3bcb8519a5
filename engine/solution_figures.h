// The test's level and the intervals' reliability and coefficients, as the solution quotes them.
#pragma once

#include <cstdint>
#include <optional>

#include "engine/run_result.h"

namespace engine {

struct SolutionFigures {
  // α of the critical point and γ of both intervals, as the log writes them: with "." whatever
  // the locale's separator.
  const char* significance = "0.05";
  int32_t tableColumn = 3;  // the critical-point table's column for α
  const char* reliability = "0.95";
  double student = 1.984;               // t(γ; N)
  double deviationFactor = 0.143;       // q(γ; N)
  double lowFactor = 0.857;             // 1 − q, 0 when q ≥ 1
  double highFactor = 1.143;            // 1 + q
  int32_t coefficientSampleSize = 100;  // the N that t and q belong to
  bool methodSampleSize = true;         // N is the method's 100, not the sample's own size
  std::optional<double> pValue;         // P(χ² ≥ Xb), once the run looked up its critical point
};

// What the run used, read from its result and its settings.
SolutionFigures solutionFigures(const RunResult& result);

}  // namespace engine
