// Which of the histogram's edges get a label, and how many decimals the y labels take.
#include "engine/axis_labels.h"

#include <algorithm>
#include <cmath>

namespace engine {

std::vector<size_t> labelledEdges(const std::vector<double>& edges,
                                  const std::vector<double>& widths, double plotWidth, double gap,
                                  double axisWidth, double labelPadding) {
  const size_t n = std::min(edges.size(), widths.size());
  if (n == 0) return {};
  if (n == 1) return {0};
  const double span = edges[n - 1] - edges[0];
  const double perUnit = span > 0.0 ? plotWidth / span : 0.0;
  // The most labels that keep every neighbour pair apart, spread over the edges evenly.
  for (size_t count = n; count >= 2; --count) {
    std::vector<size_t> chosen;
    for (size_t j = 0; j < count; ++j)
      chosen.push_back(static_cast<size_t>(
          std::lround(static_cast<double>(j) * static_cast<double>(n - 1) / (count - 1))));
    bool apart = true;
    if (axisWidth > 0.0) {
      const double share = labelShare(axisWidth, count, labelPadding);
      for (size_t j = 0; j < count && apart; ++j) apart = widths[chosen[j]] <= share;
    }
    for (size_t j = 1; j < count && apart; ++j) {
      const size_t a = chosen[j - 1];
      const size_t b = chosen[j];
      apart = (edges[b] - edges[a]) * perUnit >= (widths[a] + widths[b]) / 2.0 + gap;
    }
    if (apart) return chosen;
  }
  return {0};
}

double labelShare(double axisWidth, size_t labels, double labelPadding) {
  return axisWidth / static_cast<double>(labels + 1) - 2.0 * labelPadding;
}

int decimalsForStep(double step) {
  if (!(step > 0.0)) return 0;
  return std::clamp(static_cast<int>(std::ceil(-std::log10(step) - 1e-9)), 0, 6);
}

}  // namespace engine
