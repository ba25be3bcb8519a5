// Rounding a value computed in double to the 32-bit float it is stored as.
#pragma once

namespace engine {

// Every stored real of the analysis is a float; formulas run in double.
// Calling this at each store makes the rounding point visible in the code.
constexpr float stored(double value) { return static_cast<float>(value); }

}  // namespace engine
