// The p-value of Pearson's test: the chi-square distribution's upper tail.
#include "cli/p_value.h"

#include <cmath>

#include "cli/chi_square_tail.h"

namespace cli {

std::optional<double> upperTailProbability(float statistic, int32_t degreesOfFreedom) {
  if (std::isnan(statistic) || degreesOfFreedom < 1 || degreesOfFreedom > kMaxTailDegrees)
    return std::nullopt;
  if (statistic <= 0.0f) return 1.0;
  if (std::isinf(statistic)) return 0.0;
  const double p = chiSquareUpperTail(statistic, degreesOfFreedom);
  if (!std::isfinite(p)) return std::nullopt;
  return p;
}

}  // namespace cli
