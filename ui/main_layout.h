// Where the main window's controls go for a given client size.
#pragma once

#include <QRect>
#include <QSize>

#include "ui/layout_scale.h"

namespace ui {

struct MainLayout {
  QRect chart;
  QRect grid;
  QRect log;
  QRect option;
  QRect exitBut;
  QRect result;  // the result line, under the chart
};

// The client area as designed (the outer 850 x 595 less frame and caption);
// also the smallest the window goes, since every text is fitted to it.
QSize designedClientSize(const LayoutScale& scale);

// At the designed size the controls sit as designed. Room beyond it widens
// chart, grid and log, shares the extra height between chart and grid in the
// proportion of their heights, and moves the buttons, kept at their size, so
// they stay at the right next to the log; the result line keeps its height under the chart,
// as wide as the chart.
MainLayout mainLayout(const LayoutScale& scale, const QSize& client);

}  // namespace ui
