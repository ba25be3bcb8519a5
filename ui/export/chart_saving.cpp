// Exporting the chart: the chart's file in the chosen format, replaced whole.
#include "ui/export/chart_saving.h"

#include "chart/analysis_chart.h"
#include "chart/chart_export.h"
#include "ui/command_captions.h"
#include "ui/export/output_file.h"
#include "ui/main_window/main_form.h"

namespace ui {

bool exportChartTo(TMainForm& window, const QString& path) {
  const chart::ChartFormat format =
      chart::chartFormatForPath(path).value_or(chart::ChartFormat::Png);
  return saveOutput(
      window, path, [&] { return chart::chartFileBytes(*window.Chart, format); },
      text::kChartSaved);
}

void exportChartCommand(TMainForm& window) {
  const QString path = chooseOutputFile(
      window, QString::fromUtf8(text::kExportChartTitle), QString::fromUtf8(text::kChartFileStem),
      {{QString::fromUtf8(text::kPngFilter), chart::chartSuffix(chart::ChartFormat::Png)},
       {QString::fromUtf8(text::kSvgFilter), chart::chartSuffix(chart::ChartFormat::Svg)},
       {QString::fromUtf8(text::kChartPdfFilter), chart::chartSuffix(chart::ChartFormat::Pdf)}});
  if (!path.isEmpty()) exportChartTo(window, path);
}

}  // namespace ui
