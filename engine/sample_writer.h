// The program's own sample file: the interval length, then the values.
#pragma once

#include <string>
#include <vector>

#include "engine/grouped_series.h"

namespace engine {

// h on the first line, then the values ten a line, each with "." and the
// fewest digits that read back as the same float. Infinite and NaN values
// are never written (the reader yields none).
std::string sampleFileText(float intervalLength, const std::vector<float>& values);

// A sample written for a grouped series, and what its analysis will show.
struct GroupedSample {
  std::vector<float> values;  // empty when the series cannot be written
  float length = 0.0f;        // h on the file's first line
  float xmin = 0.0f;          // the first interval's left edge as stored: the smallest value
  // Column 2 of the analysis, (i·h + Xmin) − h·0.5 rounded to a float; each
  // within a unit in the last place of the series' own midpoint, and equal
  // to it wherever a choice of Xmin among the floats next to the left edge
  // allows.
  std::vector<float> midpoints;
};

// The sample whose analysis reproduces `series`: the same k intervals and
// frequencies in column 3, and the midpoints above in column 2. One value of
// the first interval sits at its left edge (which becomes Xmin), every other
// value at its interval's midpoint. The series needs at least one interval,
// frequencies of the first and last above 0 and a total of at most 200;
// otherwise, or when its intervals are too narrow for floats to tell them
// apart, `values` is empty.
GroupedSample groupedSample(const GroupedSeries& series);

// The interval length the file of a grouped series holds.
float groupedIntervalLength(const GroupedSeries& series);

// sampleFileText of the series' sample.
std::string groupedSampleFileText(const GroupedSeries& series);

struct DataRead;

// The file saving a usable reading writes: a grouped series as above (its
// own interval length), values after `intervalLength`. The data window and
// tarnek-cli --to-sample both write this, byte for byte.
std::string savedSampleText(const DataRead& read, float intervalLength);

}  // namespace engine
