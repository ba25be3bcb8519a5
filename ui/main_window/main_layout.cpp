// The main window's geometry: designed positions plus the room the user gives.
#include "ui/main_window/main_layout.h"

#include <algorithm>

namespace ui {

namespace {

constexpr int kClientWidth = 834;
constexpr int kClientHeight = 553;
constexpr int kChartHeight = 265;
// The result line sits between chart and grid, in room the grid gave up.
constexpr int kResultTop = 276;
constexpr int kResultHeight = 22;
constexpr int kGridTop = 302;
constexpr int kGridHeight = 147;
constexpr int kLogHeight = 89;
// Between the notice and the chart, in screen pixels.
constexpr int kNoticeGap = 4;

}  // namespace

QSize designedClientSize(const LayoutScale& scale) {
  return scale.size(kClientWidth, kClientHeight);
}

MainLayout mainLayout(const LayoutScale& scale, const QSize& client, const TopBands& bands) {
  const QSize designed = designedClientSize(scale);
  const int wider = std::max(0, client.width() - designed.width());
  const int taller = std::max(0, client.height() - bands.menuBar - designed.height());
  // Chart, grid and log share the extra height in the proportion of their heights.
  constexpr int kShared = kChartHeight + kGridHeight + kLogHeight;
  const int chartTaller = taller * kChartHeight / kShared;
  const int gridTaller = taller * (kChartHeight + kGridHeight) / kShared - chartTaller;
  const int aboveLog = chartTaller + gridTaller;

  MainLayout layout;
  layout.chart = scale.rect(8, 8, 785, kChartHeight).adjusted(0, 0, wider, chartTaller);
  layout.result =
      scale.rect(8, kResultTop, 785, kResultHeight).adjusted(0, chartTaller, wider, chartTaller);
  layout.grid = scale.rect(8, kGridTop, 785, kGridHeight).adjusted(0, chartTaller, wider, aboveLog);
  layout.log = scale.rect(8, 456, 585, kLogHeight).adjusted(0, aboveLog, wider, taller);
  layout.option = scale.rect(600, 456, 193, 41).translated(wider, taller);
  layout.exitBut = scale.rect(600, 504, 193, 41).translated(wider, taller);
  for (QRect* control :
       {&layout.chart, &layout.result, &layout.grid, &layout.log, &layout.option, &layout.exitBut})
    control->translate(0, bands.menuBar);
  layout.menuBar = QRect(0, 0, client.width(), bands.menuBar);
  if (bands.notice > 0) {
    // The chart keeps at least a third of its height; a taller notice is cut to fit.
    const int room = std::max(0, layout.chart.height() - layout.chart.height() / 3 - kNoticeGap);
    const int notice = std::min(bands.notice, room);
    layout.notice = QRect(layout.chart.left(), layout.chart.top(), layout.chart.width(), notice);
    layout.chart.setTop(layout.notice.bottom() + 1 + kNoticeGap);
  }
  return layout;
}

}  // namespace ui
