// Scaling the 120-dpi design: sizes and rectangles in the pixels of the device drawn on.
#include "chart/design_scale.h"

#include <cmath>

namespace chart {

LayoutScale::LayoutScale(double factor, const QFont& font)
    : factor_(factor > 0.0 && std::isfinite(factor) ? factor : 1.0), font_(font) {}

int LayoutScale::px(int designPixels) const {
  return static_cast<int>(std::lround(designPixels * factor_));
}

QRect LayoutScale::rect(int left, int top, int width, int height) const {
  // Edges are rounded rather than sizes, so neighbours stay flush.
  const int x0 = px(left);
  const int y0 = px(top);
  return QRect(x0, y0, px(left + width) - x0, px(top + height) - y0);
}

QSize LayoutScale::size(int width, int height) const { return QSize(px(width), px(height)); }

}  // namespace chart
