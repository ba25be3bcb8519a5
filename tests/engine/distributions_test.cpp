// The distributions behind the p-value and the interval coefficients, against published values.
#include "engine/distributions.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/interval_coefficients.h"

namespace engine {
namespace {

struct CoefficientCase {
  int32_t n;
  double gamma;
  double q;        // the definition solved to 12 digits (mpmath, 30-digit arithmetic)
  double t;        // Student's quantile of order (1 + γ)/2 with n − 1 degrees of freedom
  double printed;  // q(γ, n) as the classic textbook table prints it
  int digits;      // decimals the table gives
};

// The table of q(γ, n) found in first-course textbooks, with the same cells computed from the
// definition. Five printed cells lie one unit of their last digit above the definition rounded
// (n = 20 and 30 at 0.999, 100 and 200 at 0.99, 200 at 0.999): the table rounds those up.
const CoefficientCase kCoefficients[] = {
    {10, 0.95, 0.645197574434, 2.262157162798, 0.65, 2},
    {10, 0.99, 1.076186348182, 3.249835541592, 1.08, 2},
    {10, 0.999, 1.795146181608, 4.780912585931, 1.80, 2},
    {20, 0.95, 0.371080486131, 2.093024054408, 0.37, 2},
    {20, 0.99, 0.577745174387, 2.860934606465, 0.58, 2},
    {20, 0.999, 0.874588742490, 3.883405852592, 0.88, 2},
    {25, 0.95, 0.318376046668, 2.063898561628, 0.32, 2},
    {30, 0.95, 0.282986369073, 2.045229642133, 0.28, 2},
    {30, 0.99, 0.426242660903, 2.756385903671, 0.43, 2},
    {30, 0.999, 0.624718570082, 3.659405019466, 0.63, 2},
    {50, 0.95, 0.208648915311, 2.009575237129, 0.21, 2},
    {50, 0.99, 0.301324216318, 2.679951973632, 0.30, 2},
    {50, 0.999, 0.429380566677, 3.500442891367, 0.43, 2},
    {100, 0.95, 0.142752870724, 1.984216951586, 0.143, 3},
    {100, 0.99, 0.197157426334, 2.626405457281, 0.198, 3},
    {100, 0.999, 0.272534694295, 3.391528833364, 0.27, 2},
    {200, 0.95, 0.099419013219, 1.971956544252, 0.099, 3},
    {200, 0.99, 0.133915362885, 2.600760216059, 0.14, 2},
    {200, 0.999, 0.179869320270, 3.340086556161, 0.19, 2},
};

double rounded(double value, int digits) {
  const double scale = std::pow(10.0, digits);
  return std::round(value * scale) / scale;
}

TEST(Distributions, CoefficientsSolveTheirDefinitions) {
  for (const CoefficientCase& c : kCoefficients) {
    SCOPED_TRACE(::testing::Message() << "n = " << c.n << ", γ = " << c.gamma);
    const double q = deviationCoefficient(c.gamma, c.n);
    EXPECT_NEAR(q, c.q, 1e-10);
    EXPECT_NEAR(studentQuantile((1 + c.gamma) / 2, c.n - 1), c.t, 1e-10);
  }
}

TEST(Distributions, DefinitionAgreesWithThePrintedTable) {
  int agreeing = 0;
  for (const CoefficientCase& c : kCoefficients) {
    SCOPED_TRACE(::testing::Message() << "n = " << c.n << ", γ = " << c.gamma);
    const double computed = rounded(deviationCoefficient(c.gamma, c.n), c.digits);
    // Where the printed value differs, it is always the larger one, by one unit of its last digit.
    if (computed != c.printed) {
      EXPECT_NEAR(c.printed - computed, std::pow(10.0, -c.digits), 1e-9);
      EXPECT_LT(c.q, c.printed);
    } else {
      ++agreeing;
    }
  }
  EXPECT_EQ(agreeing, 14);
}

TEST(Distributions, CoefficientForTwoValuesAndHighReliabilityIsLargeButFinite) {
  const double q = deviationCoefficient(0.999, 2);
  ASSERT_TRUE(std::isfinite(q));
  EXPECT_GT(q, 100);
  // With one degree of freedom: P(χ² > 1/(1 + q)²) = 0.999.
  EXPECT_NEAR(std::erfc(std::sqrt(1 / ((1 + q) * (1 + q)) / 2)), 0.999, 1e-9);
}

TEST(Distributions, UndefinedArgumentsGiveNoNumber) {
  EXPECT_TRUE(std::isnan(deviationCoefficient(0.95, 1)));
  EXPECT_TRUE(std::isnan(deviationCoefficient(0.95, 0)));
  EXPECT_TRUE(std::isnan(deviationCoefficient(1.0, 100)));
  EXPECT_TRUE(std::isnan(studentQuantile(0.975, 0)));
  EXPECT_TRUE(std::isnan(studentQuantile(1.0, 10)));
  EXPECT_FALSE(upperTailProbability(NAN, 4).has_value());
  EXPECT_FALSE(upperTailProbability(2.0f, 0).has_value());
  EXPECT_EQ(upperTailProbability(0.0f, 4), 1.0);
  EXPECT_EQ(upperTailProbability(-3.0f, 4), 1.0);
  EXPECT_EQ(upperTailProbability(INFINITY, 4), 0.0);
  // Four degrees of freedom: e^(-x/2)(1 + x/2).
  EXPECT_NEAR(*upperTailProbability(2.5f, 4), std::exp(-1.25) * 2.25, 1e-15);
}

struct RoundedCase {
  Reliability gamma;
  int32_t n;
  double t, q, low, high;
};

TEST(IntervalCoefficients, AreWholeThousandthsAndTheMethodsAreTodaysConstants) {
  const RoundedCase cases[] = {
      {Reliability::NinetyFive, 100, 1.984, 0.143, 0.857, 1.143},
      {Reliability::NinetyFive, 25, 2.064, 0.318, 0.682, 1.318},
      {Reliability::NinetyNine, 100, 2.626, 0.197, 0.803, 1.197},
      {Reliability::NinetyNinePointNine, 30, 3.659, 0.625, 0.375, 1.625},
      // q above 1: the interval for σ starts at 0.
      {Reliability::NinetyNine, 10, 3.250, 1.076, 0.0, 2.076},
  };
  for (const RoundedCase& c : cases) {
    SCOPED_TRACE(::testing::Message() << "n = " << c.n);
    // Asked twice: the remembered value is the computed one.
    for (int ask = 0; ask < 2; ++ask) {
      const IntervalCoefficients coefficients = intervalCoefficients(c.gamma, c.n);
      EXPECT_EQ(coefficients.t, c.t);
      EXPECT_EQ(coefficients.q, c.q);
      EXPECT_EQ(coefficients.low, c.low);
      EXPECT_EQ(coefficients.high, c.high);
      EXPECT_FALSE(std::signbit(coefficients.low));
    }
  }
  EXPECT_TRUE(std::isnan(intervalCoefficients(Reliability::NinetyFive, 1).t));
  EXPECT_EQ(coefficientSampleSize(CoefficientSource::Method, 25), 100);
  EXPECT_EQ(coefficientSampleSize(CoefficientSource::Sample, 25), 25);
}

}  // namespace
}  // namespace engine
