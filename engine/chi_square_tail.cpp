// The chi-square distribution's upper tail from its closed forms, the same on every platform.
#include "engine/chi_square_tail.h"

#include <cmath>
#include <limits>

namespace engine {

namespace {

// A number as the unevaluated sum of two doubles, the second below half a unit in the last
// place of the first: about 106 significant bits from IEEE double arithmetic alone, through the
// exact sum and product of two doubles (Knuth's and Dekker's). The build keeps the compiler
// from fusing a product and a sum, which would change them.
struct Wide {
  double hi = 0.0;
  double lo = 0.0;
};

Wide quickTwoSum(double a, double b) {
  const double s = a + b;
  return {s, b - (s - a)};
}

Wide twoSum(double a, double b) {
  const double s = a + b;
  const double v = s - a;
  return {s, (a - (s - v)) + (b - v)};
}

Wide twoProduct(double a, double b) {
  constexpr double kSplitter = 134217729.0;  // 2^27 + 1
  const double p = a * b;
  const double ta = kSplitter * a;
  const double ah = ta - (ta - a);
  const double al = a - ah;
  const double tb = kSplitter * b;
  const double bh = tb - (tb - b);
  const double bl = b - bh;
  return {p, ((ah * bh - p) + ah * bl + al * bh) + al * bl};
}

Wide operator+(Wide a, Wide b) {
  Wide s = twoSum(a.hi, b.hi);
  const Wide t = twoSum(a.lo, b.lo);
  s.lo += t.hi;
  s = quickTwoSum(s.hi, s.lo);
  s.lo += t.lo;
  return quickTwoSum(s.hi, s.lo);
}

Wide operator-(Wide a) { return {-a.hi, -a.lo}; }
Wide operator-(Wide a, Wide b) { return a + -b; }

Wide operator*(Wide a, Wide b) {
  Wide p = twoProduct(a.hi, b.hi);
  p.lo += a.hi * b.lo + a.lo * b.hi;
  return quickTwoSum(p.hi, p.lo);
}

Wide operator*(Wide a, double b) {
  Wide p = twoProduct(a.hi, b);
  p.lo += a.lo * b;
  return quickTwoSum(p.hi, p.lo);
}

Wide operator/(Wide a, double b) {
  const double q1 = a.hi / b;
  const Wide p = twoProduct(q1, b);
  Wide s = twoSum(a.hi, -p.hi);
  s.lo -= p.lo;
  s.lo += a.lo;
  return quickTwoSum(q1, (s.hi + s.lo) / b);
}

Wide operator/(Wide a, Wide b) {
  const double q1 = a.hi / b.hi;
  Wide r = a - b * Wide{q1};
  const double q2 = r.hi / b.hi;
  r = r - b * Wide{q2};
  const double q3 = r.hi / b.hi;
  return quickTwoSum(q1, q2) + Wide{q3};
}

Wide squareRoot(double y) {
  const double s = std::sqrt(y);
  if (s == 0.0) return {};
  const Wide square = twoProduct(s, s);
  return quickTwoSum(s, ((y - square.hi) - square.lo) / (2.0 * s));
}

// Constants to twice the double's precision: ln 2, 2/√π and √π.
constexpr Wide kLn2{0.6931471805599453, 2.3190468138462996e-17};
constexpr Wide kTwoOverRootPi{1.1283791670955126, 1.533545961316588e-17};
constexpr Wide kRootPi{1.772453850905516, -7.666586499825799e-17};
constexpr double kInvLn2 = 1.4426950408889634;
// Below this y the series for erf serves erfc(√y) (it loses at most 26 of its bits to the
// subtraction from 1); above it the continued fraction, which converges fast there.
constexpr double kSeriesBelow = 16.0;
constexpr double kNegligible = 1e-33;

// e^x for a double x: x = k ln 2 + r, |r| <= ln 2 / 2, e^r by its Taylor series.
Wide wideExp(double x) {
  if (x > 709.79) return {std::numeric_limits<double>::infinity(), 0.0};
  if (x < -745.2) return {};
  const double k = std::floor(x * kInvLn2 + 0.5);
  const Wide r = Wide{x} - kLn2 * Wide{k};
  // 30 terms leave less than 1e-40 for |r| <= 0.35.
  Wide sum{1.0};
  for (int n = 30; n >= 1; --n) sum = Wide{1.0} + sum * r / static_cast<double>(n);
  const int exponent = static_cast<int>(k);
  return {std::ldexp(sum.hi, exponent), std::ldexp(sum.lo, exponent)};
}

// erfc(√y) for y >= 0, its e^(-y) taken from y itself, not from a rounded √y squared.
Wide wideErfcOfRoot(double y) {
  const Wide z = squareRoot(y);
  if (y < kSeriesBelow) {
    // erf(z) = 2z/√π e^-y Σ (2y)^n / (2n+1)!!, every term positive.
    Wide term{1.0};
    Wide sum{1.0};
    for (int n = 1; n < 1000 && term.hi > sum.hi * kNegligible; ++n) {
      term = term * (2.0 * y) / (2.0 * n + 1.0);
      sum = sum + term;
    }
    return Wide{1.0} - kTwoOverRootPi * z * wideExp(-y) * sum;
  }
  // erfc(z) = e^-y / (√π (z + (1/2)/(z + 1/(z + (3/2)/(z + ...))))), by Lentz's method.
  constexpr double kTiny = 1e-300;
  Wide f = z;
  Wide c = z;
  Wide d{};
  for (int n = 1; n < 1000; ++n) {
    const double a = 0.5 * n;
    d = z + d * a;
    if (d.hi == 0.0) d = Wide{kTiny};
    c = z + Wide{a} / c;
    if (c.hi == 0.0) c = Wide{kTiny};
    d = Wide{1.0} / d;
    const Wide delta = c * d;
    f = f * delta;
    if (std::fabs((delta - Wide{1.0}).hi) < kNegligible) break;
  }
  return wideExp(-y) / (kRootPi * f);
}

}  // namespace

double portableExp(double x) { return wideExp(x).hi; }

double erfcOfRoot(double y) { return wideErfcOfRoot(y).hi; }

double chiSquareUpperTail(double x, int32_t df) {
  const double y = 0.5 * x;
  // e^-y in two halves: a tail that is still a double does not vanish with e^-y alone.
  const Wide half = wideExp(-0.5 * y);
  if (half.hi == 0.0) return 0.0;
  Wide sum{};
  Wide term{1.0};
  if (df % 2 == 0) {
    for (int32_t j = 0; j < df / 2; ++j) {
      if (j > 0) term = term * y / static_cast<double>(j);
      sum = sum + term;
    }
    return (half * sum * half).hi;
  }
  for (int32_t j = 1; j <= df / 2; ++j) {
    if (j > 1) term = term * y / (j - 0.5);
    sum = sum + term;
  }
  return (wideErfcOfRoot(y) + kTwoOverRootPi * squareRoot(y) * (half * sum) * half).hi;
}

}  // namespace engine
