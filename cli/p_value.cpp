// The p-value of Pearson's test: the chi-square distribution's upper tail.
#include "cli/p_value.h"

#include <boost/math/distributions/chi_squared.hpp>
#include <cmath>

namespace cli {

namespace {

// Errors set errno and return a value instead of throwing; the inputs are checked first anyway.
using NoThrow = boost::math::policies::policy<
    boost::math::policies::domain_error<boost::math::policies::errno_on_error>,
    boost::math::policies::overflow_error<boost::math::policies::errno_on_error>,
    boost::math::policies::evaluation_error<boost::math::policies::errno_on_error>>;

}  // namespace

std::optional<double> upperTailProbability(float statistic, int32_t degreesOfFreedom) {
  if (std::isnan(statistic) || degreesOfFreedom < 1) return std::nullopt;
  if (statistic <= 0.0f) return 1.0;
  if (std::isinf(statistic)) return 0.0;
  const boost::math::chi_squared_distribution<double, NoThrow> distribution(degreesOfFreedom);
  const double p = boost::math::cdf(boost::math::complement(distribution, double{statistic}));
  if (!std::isfinite(p)) return std::nullopt;
  return p;
}

}  // namespace cli
