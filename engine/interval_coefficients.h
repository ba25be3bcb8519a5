// The coefficients t and q of the confidence intervals, rounded as the log uses them.
#pragma once

#include <cstdint>

#include "engine/analysis_settings.h"

namespace engine {

// t, q and the factors 1 − q and 1 + q for a reliability and a sample size N, each a whole
// number of thousandths divided by 1000 (a negative 1 − q is 0). For γ = 0.95 and N = 100:
// 1.984, 0.143, 0.857 and 1.143. NaN for N < 2.
struct IntervalCoefficients {
  double t = 0.0;     // Student's quantile of order (1 + γ)/2 with N − 1 degrees of freedom
  double q = 0.0;     // q(γ, N)
  double low = 0.0;   // 1 − q
  double high = 0.0;  // 1 + q
};

// Computed once per reliability and size in each thread, then remembered: a run asks again
// for the same few.
IntervalCoefficients intervalCoefficients(Reliability reliability, int32_t sampleSize);

// N for a run: 100 for the method's coefficients, else the sample's size.
int32_t coefficientSampleSize(CoefficientSource source, int32_t sampleCount);

}  // namespace engine
