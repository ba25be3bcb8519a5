// The p-value of Pearson's test: the chi-square distribution's upper tail.
#pragma once

#include <cstdint>
#include <optional>

namespace cli {

// P(χ²_df ≥ statistic), computed in double from the distribution's closed forms
// (chi_square_tail.h), so that every platform, the browser's included, gives the same double.
// Empty for a NaN statistic or degrees of freedom outside 1..100; 1 at or below 0 and 0 at
// +infinity. Never throws.
std::optional<double> upperTailProbability(float statistic, int32_t degreesOfFreedom);

}  // namespace cli
