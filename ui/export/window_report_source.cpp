// What the Word report reads from the main window: its grid, its log and its chart.
#include "ui/export/window_report_source.h"

#include <QClipboard>
#include <QGuiApplication>

#include "chart/analysis_chart.h"
#include "chart/chart_rendering.h"
#include "ui/main_window/main_form.h"
#include "ui/results/result_grid.h"
#include "ui/solution/solution_actions.h"

namespace ui {

// The grid is read through the model the window shows it with.
int32_t WindowReportSource::gridRowCount() const {
  return form_.StringGrid->gridModel().gridRowCount();
}

int32_t WindowReportSource::gridColumnCount() const {
  return form_.StringGrid->gridModel().columnCount();
}

QString WindowReportSource::gridCell(int32_t column, int32_t row) const {
  return form_.StringGrid->gridModel().cell(column, row);
}

int32_t WindowReportSource::logLineCount() const {
  return static_cast<int32_t>(form_.logLines().size());
}

QString WindowReportSource::logLine(int32_t index) const { return form_.logLines().at(index); }

// The report prints the chart, so it takes the chart rendered for print, not the screen copy.
void WindowReportSource::copyChartToClipboard() {
  const QImage picture = form_.Chart->printPicture(chart::kPrintPixelRatio);
  if (privateClipboard_ != nullptr)
    *privateClipboard_ = picture;
  else
    QGuiApplication::clipboard()->setImage(picture);
}

}  // namespace ui

namespace ui {

// The option "Ход решения в отчёте" decides; it is off unless the user turned it on.
const engine::TextDocument* WindowReportSource::solution() const {
  return form_.solution()->reportSolution();
}

}  // namespace ui
