// Proposing an interval length for a sample by Sturges' rule.
#pragma once

#include <cstdint>
#include <vector>

namespace engine {

struct IntervalProposal {
  float length = 1.0f;    // h, as it is stored
  int32_t intervals = 1;  // k that h gives the analysis for the sample's range
};

// k = 1 + 3.322·lg n, h = (max − min) / k rounded up to 2 significant digits
// (1.308 gives 1.4, 0.0123 gives 0.013). A sample without spread (or with
// fewer than 2 values) gets h = 1 and one interval. `values` must be finite.
IntervalProposal sturgesInterval(const std::vector<float>& values);

// k as the analysis computes it: trunc((max − min) / h + 1) in double from
// the stored floats; 0 when h is not positive or the range is not finite.
int32_t intervalCount(float min, float max, float length);

}  // namespace engine
