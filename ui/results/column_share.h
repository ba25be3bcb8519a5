// How the grid's columns share its width when some of them hold wider texts than their share.
#pragma once

#include <vector>

namespace ui {

// Widths for the columns that share `room` pixels: in the proportion of `designed` while each
// gets at least its `needed` width. A column whose share is less than it needs keeps what it
// needs and the others share what is left, in their proportions. When the needs alone are more
// than the room, each column gets its need and the columns run past the room (the grid then
// scrolls sideways). Edges are rounded rather than widths, so the shared columns end flush.
// `needed` may be shorter than `designed`: the missing needs are 0.
std::vector<int> shareColumns(const std::vector<int>& designed, const std::vector<int>& needed,
                              int room);

}  // namespace ui
