// The p-value of Pearson's test: the chi-square distribution's upper tail.
#include "cli/p_value.h"

#include <boost/math/distributions/chi_squared.hpp>
#include <boost/multiprecision/cpp_bin_float.hpp>
#include <cmath>

namespace cli {

namespace {

// Errors set errno and return a value instead of throwing; the inputs are checked first anyway.
using NoThrow = boost::math::policies::policy<
    boost::math::policies::domain_error<boost::math::policies::errno_on_error>,
    boost::math::policies::overflow_error<boost::math::policies::errno_on_error>,
    boost::math::policies::evaluation_error<boost::math::policies::errno_on_error>>;

// A binary float of 64 significant bits done in software: as wide as the x87 long double the
// tail used to be computed in, but the same on every platform, the browser's included, since
// nothing of it depends on the C library's or the processor's functions.
using Wide = boost::multiprecision::number<
    boost::multiprecision::cpp_bin_float<64, boost::multiprecision::digit_base_2>,
    boost::multiprecision::et_off>;

}  // namespace

std::optional<double> upperTailProbability(float statistic, int32_t degreesOfFreedom) {
  if (std::isnan(statistic) || degreesOfFreedom < 1) return std::nullopt;
  if (statistic <= 0.0f) return 1.0;
  if (std::isinf(statistic)) return 0.0;
  const boost::math::chi_squared_distribution<Wide, NoThrow> distribution(degreesOfFreedom);
  const double p =
      static_cast<double>(boost::math::cdf(boost::math::complement(distribution, Wide(statistic))));
  if (!std::isfinite(p)) return std::nullopt;
  return p;
}

}  // namespace cli
