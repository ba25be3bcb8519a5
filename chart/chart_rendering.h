// The chart drawn into a picture at a chosen pixel density, for print.
#pragma once

#include <QImage>

class QWidget;

namespace chart {

// The device pixel ratio of the report's picture: twice the screen's usual density.
inline constexpr double kPrintPixelRatio = 2.0;

// Draws `chart` as it stands (its size, series, axes and labels) into a picture of
// devicePixelRatio times its size in pixels; text and lines are drawn at that density, not
// scaled up from the screen. Works while the window is hidden.
QImage renderChart(QWidget& chart, double devicePixelRatio);

}  // namespace chart
