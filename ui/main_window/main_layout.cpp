// The main window's geometry: designed positions plus the room the user gives.
#include "ui/main_window/main_layout.h"

#include <algorithm>

namespace ui {

namespace {

// A rectangle of the layout as designed, in pixels at 120 dpi.
struct DesignRect {
  int left;
  int top;
  int width;
  int height;
};

// The client area as designed and the controls in it, below the menu bar.
constexpr QSize kClient(834, 553);
constexpr DesignRect kChart{8, 8, chart::kChartDesignWidth, chart::kChartDesignHeight};
// The result line sits between chart and grid, in room the grid gave up.
constexpr DesignRect kResult{8, 276, 785, 22};
constexpr DesignRect kGrid{8, 302, 785, 147};
constexpr DesignRect kLog{8, 456, 585, 89};
constexpr DesignRect kOptionButton{600, 456, 193, 41};
constexpr DesignRect kExitButton{600, 504, 193, 41};
// Between the notice and the chart, in screen pixels.
constexpr int kNoticeGap = 4;

QRect placed(const LayoutScale& scale, const DesignRect& designed) {
  return scale.rect(designed.left, designed.top, designed.width, designed.height);
}

}  // namespace

QSize designedClientSize(const LayoutScale& scale) {
  return scale.size(kClient.width(), kClient.height());
}

MainLayout mainLayout(const LayoutScale& scale, const QSize& client, const TopBands& bands) {
  const QSize designed = designedClientSize(scale);
  const int wider = std::max(0, client.width() - designed.width());
  const int taller = std::max(0, client.height() - bands.menuBar - designed.height());
  // Chart, grid and log share the extra height in the proportion of their heights.
  constexpr int kShared = kChart.height + kGrid.height + kLog.height;
  const int chartTaller = taller * kChart.height / kShared;
  const int gridTaller = taller * (kChart.height + kGrid.height) / kShared - chartTaller;
  const int aboveLog = chartTaller + gridTaller;

  MainLayout layout;
  layout.chart = placed(scale, kChart).adjusted(0, 0, wider, chartTaller);
  layout.result = placed(scale, kResult).adjusted(0, chartTaller, wider, chartTaller);
  layout.grid = placed(scale, kGrid).adjusted(0, chartTaller, wider, aboveLog);
  layout.log = placed(scale, kLog).adjusted(0, aboveLog, wider, taller);
  layout.option = placed(scale, kOptionButton).translated(wider, taller);
  layout.exitBut = placed(scale, kExitButton).translated(wider, taller);
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
