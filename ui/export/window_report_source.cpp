// What the Word report reads from the main window: its grid, its log, its chart and the solution.
#include "ui/export/window_report_source.h"

#include <QClipboard>
#include <QGuiApplication>

#include "chart/analysis_chart.h"
#include "chart/chart_rendering.h"
#include "ui/main_window/main_form.h"
#include "ui/results/result_grid.h"
#include "ui/solution/solution_actions.h"

namespace ui {

report::ReportTexts windowReportTexts(TMainForm& form) {
  report::ReportTexts texts;
  // The grid is read through the model the window shows it with.
  const auto& grid = form.StringGrid->gridModel();
  texts.columnCount = grid.columnCount();
  for (int32_t row = 0; row < grid.gridRowCount(); ++row) {
    QStringList cells;
    for (int32_t column = 0; column < texts.columnCount; ++column) cells << grid.cell(column, row);
    texts.gridRows.push_back(cells);
  }
  texts.logLines = form.logLines();
  texts.sampleFileName = QString::fromStdString(form.state().FileName);
  if (const engine::TextDocument* solution = form.solution()->reportSolution())
    texts.solution = *solution;
  return texts;
}

void copyChartForReport(TMainForm& form, QImage* privateClipboard) {
  const QImage picture = form.Chart->printPicture(chart::kPrintPixelRatio);
  if (privateClipboard != nullptr)
    *privateClipboard = picture;
  else
    QGuiApplication::clipboard()->setImage(picture);
}

}  // namespace ui
