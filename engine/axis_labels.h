// Which of the histogram's edges get a label, and how many decimals the y labels take.
#pragma once

#include <cstddef>
#include <vector>

namespace engine {

// The edges that get a label on an axis `plotWidth` pixels wide: evenly spread, the first and
// the last where there is room, no two labels closer than `gap` pixels. `edges` are the labels'
// positions in ascending order, `widths` their widths in pixels. With an `axisWidth` above 0 the
// labels are laid out as a category axis of that width does, and each must fit its share of it
// (labelShare) or be cut short.
std::vector<size_t> labelledEdges(const std::vector<double>& edges,
                                  const std::vector<double>& widths, double plotWidth, double gap,
                                  double axisWidth = 0.0, double labelPadding = 0.0);

// The width one of `labels` labels may take on a category axis `axisWidth` pixels wide: the axis
// lays out one more position than it has labels, less `labelPadding` on both sides of each.
double labelShare(double axisWidth, size_t labels, double labelPadding);

// Decimals enough to tell apart the labels of ticks `step` apart: 0 to 6.
int decimalsForStep(double step);

}  // namespace engine
