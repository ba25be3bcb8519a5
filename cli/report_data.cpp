// Copying a finished analysis into the plain data the report module takes.
#include "cli/report_data.h"

#include "engine/texts.h"

namespace cli {

namespace {

std::vector<ReportChartPoint> chartPoints(const std::vector<engine::RecordedPoint>& points) {
  std::vector<ReportChartPoint> copies;
  copies.reserve(points.size());
  for (const engine::RecordedPoint& point : points)
    copies.push_back(
        {point.x, point.y, point.label, point.colour.red, point.colour.green, point.colour.blue});
  return copies;
}

}  // namespace

ReportData reportData(const engine::RecordedView& view, const engine::TextDocument* solution) {
  ReportData data;
  data.columnCount = engine::kTableColumns;
  for (const engine::RecordedView::Row& row : view.gridRows())
    data.gridRows.emplace_back(row.begin(), row.end());
  data.logLines = view.log();
  const std::string processing = engine::text::kProcessingFile;
  for (const std::string& line : view.log()) {
    // The run names its sample in the log; the title takes it from there.
    if (data.sampleFileName.empty() && line.rfind(processing, 0) == 0)
      data.sampleFileName = line.substr(processing.size());
  }
  data.histogram = chartPoints(view.histogram());
  data.curve = chartPoints(view.curve());
  if (solution) data.solution = *solution;
  return data;
}

}  // namespace cli
