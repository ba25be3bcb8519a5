// The p-value of Pearson's test: the chi-square distribution's upper tail.
#pragma once

#include <cstdint>
#include <optional>

namespace cli {

// P(χ²_df ≥ statistic), computed with 64 significant bits in software, so that every platform
// gives the same double, and rounded to double. Empty for a NaN statistic or fewer
// than one degree of freedom; 1 at or below 0 and 0 at +infinity. Never throws.
std::optional<double> upperTailProbability(float statistic, int32_t degreesOfFreedom);

}  // namespace cli
