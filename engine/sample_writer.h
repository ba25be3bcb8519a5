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

// The sample whose analysis reproduces `series` exactly: the same k
// intervals, frequencies in column 3 and midpoints in column 2. One value of
// the first interval sits at its left edge (which becomes Xmin), every other
// value at its interval's midpoint. The series needs at least one interval,
// frequencies of the first and last above 0 and a total of at most 200.
std::vector<float> groupedSampleValues(const GroupedSeries& series);

// The interval length the file of a grouped series holds.
float groupedIntervalLength(const GroupedSeries& series);

// sampleFileText of the series' length and values.
std::string groupedSampleFileText(const GroupedSeries& series);

}  // namespace engine
