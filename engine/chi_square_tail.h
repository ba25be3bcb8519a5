// The chi-square distribution's upper tail from its closed forms, the same on every platform.
#pragma once

#include <cstdint>

namespace engine {

// The most degrees of freedom the closed forms take here; a run has at most 17.
inline constexpr int32_t kMaxTailDegrees = 100;

// P(χ²_df ≥ x) for x > 0 finite and 1 <= df <= kMaxTailDegrees: for even df
// e^(-x/2) Σ (x/2)^j / j!, for odd df erfc(√(x/2)) plus the half-integer sum, computed with about
// 106 significant bits and rounded to double, so it is the correctly rounded tail but for the
// rarest ties. Only basic arithmetic, square roots and ldexp are used, which IEEE arithmetic
// rounds alike everywhere, so every platform gives the same double.
double chiSquareUpperTail(double x, int32_t df);

// e^x and erfc(√y) (y >= 0) the same way, rounded to double.
double portableExp(double x);
double erfcOfRoot(double y);

}  // namespace engine
