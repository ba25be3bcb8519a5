// Where the main window's controls go for a given client size.
#pragma once

#include <QRect>
#include <QSize>

#include "ui/layout_scale.h"

namespace ui {

struct MainLayout {
  QRect menuBar;
  QRect notice;  // empty while no notice is shown
  QRect chart;
  QRect grid;
  QRect log;
  QRect option;
  QRect exitBut;
  QRect result;  // the result line, under the chart
};

// The client area as designed (the outer 850 x 595 less frame and caption);
// with the menu bar above it, also the smallest the window goes, since every
// text is fitted to it.
QSize designedClientSize(const LayoutScale& scale);

// What sits above the chart, in screen pixels: the menu bar across the top
// of the window, and the notice while one is shown.
struct TopBands {
  int menuBar = 0;
  int notice = 0;
};

// At the designed size the controls sit as designed, below the menu bar.
// Room beyond it widens chart, grid and log, shares the extra height between
// chart, grid and log in the proportion of their heights, and moves the
// buttons, kept at their size, so they stay at the right next to the log; the
// result line keeps its height under the chart, as wide as the chart. A notice
// sits above the chart, as wide as it, and takes its height from the chart.
MainLayout mainLayout(const LayoutScale& scale, const QSize& client, const TopBands& bands = {});

}  // namespace ui
