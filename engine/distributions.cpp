// The distributions of the test and the intervals, from Boost.Math (header-only, this file only).
#include "engine/distributions.h"

#include <boost/math/distributions/chi_squared.hpp>
#include <boost/math/distributions/students_t.hpp>
#include <boost/math/tools/toms748_solve.hpp>
#include <cmath>
#include <limits>

#include "engine/chi_square_tail.h"

namespace engine {

namespace {

namespace policies = boost::math::policies;

// Errors set errno and return a value instead of throwing; the inputs are checked first anyway.
using NoThrow = policies::policy<policies::domain_error<policies::errno_on_error>,
                                 policies::overflow_error<policies::errno_on_error>,
                                 policies::evaluation_error<policies::errno_on_error>,
                                 policies::pole_error<policies::errno_on_error>,
                                 policies::rounding_error<policies::errno_on_error>>;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
// Far beyond any q a sample of two at γ = 0.999 needs (about 800).
constexpr double kLargestCoefficient = 1e12;
constexpr std::uintmax_t kMaxIterations = 200;

}  // namespace

std::optional<double> upperTailProbability(float statistic, int32_t degreesOfFreedom) {
  if (std::isnan(statistic) || degreesOfFreedom < 1) return std::nullopt;
  if (statistic <= 0.0f) return 1.0;
  if (std::isinf(statistic)) return 0.0;
  // The closed forms give the correctly rounded tail with basic arithmetic only, so the browser
  // (whose long double functions are only double's) gets the very double this platform does;
  // Boost.Math's long double evaluation stands behind them for more degrees than a run has.
  double p = 0.0;
  if (degreesOfFreedom <= kMaxTailDegrees) {
    p = chiSquareUpperTail(statistic, degreesOfFreedom);
  } else {
    const boost::math::chi_squared_distribution<double, NoThrow> distribution(degreesOfFreedom);
    p = boost::math::cdf(boost::math::complement(distribution, double{statistic}));
  }
  if (!std::isfinite(p)) return std::nullopt;
  return p;
}

double studentQuantile(double probability, int32_t degreesOfFreedom) {
  if (degreesOfFreedom < 1 || !(probability > 0.0 && probability < 1.0)) return kNaN;
  const boost::math::students_t_distribution<double, NoThrow> distribution(degreesOfFreedom);
  return boost::math::quantile(distribution, probability);
}

double deviationCoefficient(double reliability, int32_t sampleSize) {
  if (sampleSize < 2 || !(reliability > 0.0 && reliability < 1.0)) return kNaN;
  const double df = sampleSize - 1.0;
  const boost::math::chi_squared_distribution<double, NoThrow> chiSquared(df);
  // P(lower < χ² < upper) − γ: −γ at q = 0, rising to 1 − γ as q grows without bound.
  const auto shortfall = [&](double q) {
    const double below = boost::math::cdf(chiSquared, df / ((1.0 + q) * (1.0 + q)));
    const double above =
        q < 1.0
            ? boost::math::cdf(boost::math::complement(chiSquared, df / ((1.0 - q) * (1.0 - q))))
            : 0.0;
    return (1.0 - below - above) - reliability;
  };
  double high = 1.0;
  double atHigh = shortfall(high);
  while (atHigh < 0.0 && high < kLargestCoefficient) {
    high *= 2.0;
    atHigh = shortfall(high);
  }
  if (!(atHigh >= 0.0)) return kNaN;
  if (atHigh == 0.0) return high;
  std::uintmax_t iterations = kMaxIterations;
  const auto [low, up] = boost::math::tools::toms748_solve(
      shortfall, 0.0, high, shortfall(0.0), atHigh, boost::math::tools::eps_tolerance<double>(50),
      iterations, NoThrow());
  return low + (up - low) / 2.0;
}

}  // namespace engine
