// A grouped series: k intervals of equal length and their frequencies.
#pragma once

#include <cstdint>
#include <vector>

namespace engine {

struct GroupedSeries {
  double left = 0.0;    // left edge of the first interval, as written (or from its midpoint)
  double length = 0.0;  // h, as written
  // Frequencies of intervals 1..k in order; whole, not negative, the first
  // and the last above 0 once the reader has dropped empty end intervals.
  std::vector<int32_t> frequencies;
  // Midpoints of intervals 1..k as written or as (a + b) / 2 of the edges,
  // rounded to the float each is stored as. The analysis computes its own
  // from Xmin and h; groupedSample (sample_writer.h) says what it will show.
  std::vector<float> midpoints;

  int32_t intervals() const { return static_cast<int32_t>(frequencies.size()); }
  int64_t total() const;  // the sum of the frequencies
};

}  // namespace engine
