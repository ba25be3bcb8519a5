// The coefficients t and q of the confidence intervals, rounded to thousandths and remembered.
#include "engine/interval_coefficients.h"

#include <array>
#include <cmath>
#include <optional>

#include "engine/analysis_state.h"
#include "engine/distributions.h"

namespace engine {

namespace {

constexpr size_t kReliabilityCount = std::size(kReliabilities);

double thousandths(double value) { return std::round(value * 1000.0) / 1000.0; }

IntervalCoefficients computeCoefficients(Reliability reliability, int32_t sampleSize) {
  const double gamma = reliabilityValue(reliability);
  const double t = studentQuantile((1.0 + gamma) / 2.0, sampleSize - 1);
  const double q = deviationCoefficient(gamma, sampleSize);
  IntervalCoefficients coefficients;
  coefficients.t = thousandths(t);
  coefficients.q = thousandths(q);
  coefficients.low = thousandths(1.0 - q);
  if (coefficients.low < 0.0) coefficients.low = 0.0;  // an interval for σ starts at 0
  coefficients.high = thousandths(1.0 + q);
  return coefficients;
}

}  // namespace

IntervalCoefficients intervalCoefficients(Reliability reliability, int32_t sampleSize) {
  if (sampleSize < 2 || sampleSize > kMaxSampleCount)
    return computeCoefficients(reliability, sampleSize);
  // A quantile and a root cost more than a whole run; each pair is worked out once.
  thread_local std::array<std::array<std::optional<IntervalCoefficients>, kMaxSampleCount + 1>,
                          kReliabilityCount>
      known;
  std::optional<IntervalCoefficients>& slot =
      known[static_cast<size_t>(reliability)][static_cast<size_t>(sampleSize)];
  if (!slot) slot = computeCoefficients(reliability, sampleSize);
  return *slot;
}

int32_t coefficientSampleSize(CoefficientSource source, int32_t sampleCount) {
  return source == CoefficientSource::Sample ? sampleCount : kMethodSampleSize;
}

}  // namespace engine
