// The main window's geometry: designed positions plus the room the user gives.
#include "ui/main_layout.h"

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

}  // namespace

QSize designedClientSize(const LayoutScale& scale) {
  return scale.size(kClientWidth, kClientHeight);
}

MainLayout mainLayout(const LayoutScale& scale, const QSize& client) {
  const QSize designed = designedClientSize(scale);
  const int wider = std::max(0, client.width() - designed.width());
  const int taller = std::max(0, client.height() - designed.height());
  const int chartTaller = taller * kChartHeight / (kChartHeight + kGridHeight);

  MainLayout layout;
  layout.chart = scale.rect(8, 8, 785, kChartHeight).adjusted(0, 0, wider, chartTaller);
  layout.result =
      scale.rect(8, kResultTop, 785, kResultHeight).adjusted(0, chartTaller, wider, chartTaller);
  layout.grid = scale.rect(8, kGridTop, 785, kGridHeight).adjusted(0, chartTaller, wider, taller);
  layout.log = scale.rect(8, 456, 585, 89).adjusted(0, taller, wider, taller);
  layout.option = scale.rect(600, 456, 193, 41).translated(wider, taller);
  layout.exitBut = scale.rect(600, 504, 193, 41).translated(wider, taller);
  return layout;
}

}  // namespace ui
