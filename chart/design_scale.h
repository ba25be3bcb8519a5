// Pixel sizes of a layout drawn at 120 dpi, scaled for the screen or the file they are drawn on.
#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

namespace chart {

inline constexpr double kDesignDpi = 120.0;

// The chart's size in the main window's design: the window shows it so, the report draws it so.
inline constexpr int kChartDesignWidth = 785;
inline constexpr int kChartDesignHeight = 265;

class LayoutScale {
 public:
  explicit LayoutScale(double factor = 1.0, const QFont& font = QFont());

  double factor() const { return factor_; }
  int px(int designPixels) const;
  QRect rect(int left, int top, int width, int height) const;
  QSize size(int width, int height) const;
  // The windows' font, chosen so that every fixed text fits at this scale.
  const QFont& font() const { return font_; }

 private:
  double factor_;
  QFont font_;
};

}  // namespace chart
