// The distributions of the test and the intervals: chi-square's upper tail, Student's t, q(γ, n).
#pragma once

#include <cstdint>
#include <optional>

namespace engine {

// The p-value of Pearson's test, P(χ²_df ≥ statistic), computed in double. Empty for a NaN
// statistic or fewer than one degree of freedom; 1 at or below 0 and 0 at +infinity.
std::optional<double> upperTailProbability(float statistic, int32_t degreesOfFreedom);

// Student's quantile of order `probability` with `degreesOfFreedom`; NaN for fewer than one
// degree of freedom or a probability outside (0, 1).
double studentQuantile(double probability, int32_t degreesOfFreedom);

// q(γ, n): the number q > 0 for which P((n−1)/(1+q)² < χ²(n−1) < (n−1)/(1−q)²) = γ, the upper
// bound being +infinity once q ≥ 1; so S(1 − q) < σ < S(1 + q) with reliability γ. NaN for
// n < 2 or γ outside (0, 1).
double deviationCoefficient(double reliability, int32_t sampleSize);

}  // namespace engine
