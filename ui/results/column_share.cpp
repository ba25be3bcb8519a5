// Sharing the grid's width among its columns, each given at least the room its texts need.
#include "ui/results/column_share.h"

#include <algorithm>

namespace ui {

std::vector<int> shareColumns(const std::vector<int>& designed, const std::vector<int>& needed,
                              int room) {
  const size_t count = designed.size();
  const auto need = [&](size_t c) { return c < needed.size() ? std::max(0, needed[c]) : 0; };
  std::vector<bool> keepsNeed(count, false);
  long long freeRoom = room;
  long long freeDesigned = 0;
  for (size_t c = 0; c < count; ++c) {
    // A column drawn without a width has no share: it gets what it needs.
    keepsNeed[c] = designed[c] <= 0;
    if (keepsNeed[c])
      freeRoom -= need(c);
    else
      freeDesigned += designed[c];
  }
  // Each pass fixes the columns whose share of what is left is short of their need; a fixed
  // column only takes room from the others, so the passes end within `count`.
  for (bool changed = true; changed && freeDesigned > 0;) {
    changed = false;
    for (size_t c = 0; c < count; ++c) {
      if (keepsNeed[c]) continue;
      if (freeRoom * designed[c] < need(c) * freeDesigned) {
        keepsNeed[c] = true;
        freeRoom -= need(c);
        freeDesigned -= designed[c];
        changed = true;
      }
    }
  }
  std::vector<int> widths(count, 0);
  long long used = 0;
  long long designedSoFar = 0;
  for (size_t c = 0; c < count; ++c) {
    if (keepsNeed[c] || freeDesigned <= 0) {
      widths[c] = need(c);
      continue;
    }
    designedSoFar += designed[c];
    const long long edge = std::max(0LL, freeRoom) * designedSoFar / freeDesigned;
    widths[c] = static_cast<int>(edge - used);
    used = edge;
  }
  return widths;
}

}  // namespace ui
