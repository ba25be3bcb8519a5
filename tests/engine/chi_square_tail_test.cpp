// The chi-square upper tail of basic arithmetic against Boost.Math in long double.
#include "engine/chi_square_tail.h"

#include <gtest/gtest.h>

#include <boost/math/distributions/chi_squared.hpp>
#include <cmath>

#include "engine/distributions.h"

namespace {

TEST(ChiSquareTail, TheTailRoundedAsBoostMathInLongDoubleRoundsIt) {
  int compared = 0;
  int equal = 0;
  for (int32_t df = 1; df <= engine::kMaxTailDegrees; df += df < 20 ? 1 : 9) {
    const boost::math::chi_squared_distribution<long double> reference(df);
    for (int i = 0; i <= 800; ++i) {
      // Statistics from 1e-6 to 1e4, as floats: what a run stores.
      const float x = static_cast<float>(std::pow(10.0, -6.0 + i * 10.0 / 800));
      const long double expected = boost::math::cdf(boost::math::complement(reference, x));
      if (expected < 1e-300L) continue;
      const double p = engine::chiSquareUpperTail(x, df);
      const double error =
          std::fabs((p - static_cast<double>(expected)) / static_cast<double>(expected));
      ASSERT_LT(error, 3e-16) << "df " << df << ", x " << x;
      ++compared;
      equal += p == static_cast<double>(expected) ? 1 : 0;
    }
  }
  // The long double reference is off by a unit now and then itself; nearly all agree.
  EXPECT_GT(equal, compared * 99 / 100) << equal << " of " << compared;
}

TEST(ChiSquareTail, ExponentialRoundedAsTheLongDoubleOne) {
  // The reference is rounded twice (to 64 bits, then to 53), so a last unit may differ.
  int compared = 0;
  int equal = 0;
  for (double x = -745.0; x < 709.78; x += 0.37) {
    const auto expected = static_cast<double>(std::exp(static_cast<long double>(x)));
    if (expected < 1e-300) continue;  // subnormal results keep fewer digits
    const double value = engine::portableExp(x);
    ++compared;
    equal += value == expected ? 1 : 0;
    EXPECT_LE(std::fabs(value - expected), std::nextafter(expected, INFINITY) - expected) << x;
  }
  EXPECT_GT(equal, compared * 995 / 1000) << equal << " of " << compared;
  EXPECT_EQ(engine::portableExp(0.0), 1.0);
  EXPECT_EQ(engine::portableExp(-800.0), 0.0);
  EXPECT_TRUE(std::isinf(engine::portableExp(710.0)));
}

TEST(ChiSquareTail, EdgesOfThePValue) {
  struct Case {
    float statistic;
    int32_t df;
    std::optional<double> p;
  };
  for (const Case& c :
       {Case{0.0f, 3, 1.0}, Case{-1.0f, 3, 1.0}, Case{INFINITY, 3, 0.0}, Case{NAN, 3, std::nullopt},
        Case{1.0f, 0, std::nullopt}, Case{1e30f, 100, 0.0}, Case{4000.0f, 17, 0.0}}) {
    EXPECT_EQ(engine::upperTailProbability(c.statistic, c.df), c.p) << c.statistic << " " << c.df;
  }
  // 2 degrees of freedom: e^(-x/2), also deep in the tail where e^-x alone would vanish.
  EXPECT_EQ(*engine::upperTailProbability(1400.0f, 2), static_cast<double>(std::exp(-700.0L)));
  EXPECT_NEAR(*engine::upperTailProbability(1e-20f, 1), 1.0, 1e-9);
  // Beyond the closed forms' degrees the distribution's own evaluation answers.
  EXPECT_NEAR(*engine::upperTailProbability(101.0f, 101), 0.481285, 1e-6);
}

}  // namespace
