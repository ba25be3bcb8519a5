// Which of the histogram's edges get a label, and how many decimals the y labels take.
#pragma once

#include <cstddef>
#include <vector>

namespace engine {

// The edges that get a label on an axis `plotWidth` pixels wide: evenly spread, the first and
// the last where there is room, no two labels closer than `gap` pixels. `edges` are the labels'
// positions in ascending order, `widths` their widths in pixels.
std::vector<size_t> labelledEdges(const std::vector<double>& edges,
                                  const std::vector<double>& widths, double plotWidth, double gap);

// Decimals enough to tell apart the labels of ticks `step` apart: 0 to 6.
int decimalsForStep(double step);

}  // namespace engine
