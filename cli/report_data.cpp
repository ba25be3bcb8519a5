// Copying a finished analysis into the plain data the report module takes.
#include "cli/report_data.h"

#include "engine/texts.h"

namespace cli {

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
  data.histogram = view.histogram();
  data.curve = view.curve();
  if (solution) data.solution = *solution;
  return data;
}

}  // namespace cli
