// Exporting the chart: the chart's file in the chosen format, replaced whole.
#include "ui/export/chart_saving.h"

#include "chart/analysis_chart.h"
#include "chart/chart_export.h"
#include "ui/command_captions.h"
#include "ui/export/output_file.h"
#include "ui/main_window/main_form.h"
#include "ui/message_sink.h"

namespace ui {

bool exportChartTo(TMainForm& window, const QString& path) {
  const QString refused = refusedOutput(window, path);
  if (!refused.isEmpty()) {
    showMessageBox(refused);
    return false;
  }
  QByteArray bytes;
  try {
    bytes = chart::chartFileBytes(
        *window.Chart, chart::chartFormatForPath(path).value_or(chart::ChartFormat::Png));
  } catch (const std::exception& error) {
    showMessageBox(QString::fromUtf8(text::kNotSaved).arg(path, QString::fromUtf8(error.what())));
    return false;
  }
  return saveOutput(window, path, bytes, text::kChartSaved);
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
