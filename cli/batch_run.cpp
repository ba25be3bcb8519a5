// Analysing the files of one tarnek-cli invocation.
#include "batch_run.h"

#include <vector>

#include "critical_points.h"
#include "data_files.h"
#include "file_report.h"

namespace cli {

engine::RunOutcome analyseFile(const std::string& file, const engine::CriticalPointTable& table,
                               const CliOptions& options, char decimalSeparator,
                               engine::RecordedView& view) {
  engine::AnalysisState state;
  state.CriticalPoints = table;
  state.FileName = file;
  state.FileChanged = true;
  const engine::RunOutcome first = engine::ProcessFile(state, view, decimalSeparator);
  // A file that could not be opened keeps its one line: a rerun on no sample would hide it.
  if (options.hasOverrides() && first != engine::RunOutcome::FileNotOpened) {
    if (options.intervalLength) state.IntervalLength = *options.intervalLength;
    if (options.xmin) state.Xmin = *options.xmin;
    if (options.xmax) state.Xmax = *options.xmax;
    state.FileChanged = false;  // already cleared by the load; the second run must not read
    engine::ProcessFile(state, view, decimalSeparator);
  }
  return first;
}

int runBatch(const CliOptions& options, char decimalSeparator, std::ostream& out,
             std::ostream& err, const ReportWriter& writeReport) {
  engine::CriticalPointTable table;
  engine::RecordedView tableView;
  const std::string tablePath = options.tablePath ? *options.tablePath : ui::criticalPointsPath();
  // Every file is still analysed against what was read, but the status says the table failed.
  const bool tableLoaded =
      engine::loadCriticalPoints(tablePath, table, tableView) == engine::TableLoad::Loaded;
  for (const std::string& message : tableView.messages()) err << message << '\n';

  const bool named = options.files.size() > 1 && !options.json;
  int status = tableLoaded ? 0 : 1;
  std::string report;
  for (size_t i = 0; i < options.files.size(); ++i) {
    const std::string& file = options.files[i];
    engine::RecordedView view;
    if (analyseFile(file, table, options, decimalSeparator, view) ==
        engine::RunOutcome::FileNotOpened)
      status = 1;
    report.clear();
    if (options.json) {
      appendJsonReport(report, file, tableView.messages(), view);
    } else {
      if (i > 0) report += '\n';
      if (named) report += "== " + file + " ==\n";
      appendPlainReport(report, view);
    }
    out.write(report.data(), static_cast<std::streamsize>(report.size()));
    if (options.docxPath && !(writeReport && writeReport(view, *options.docxPath, err)))
      status = 1;
  }
  return status;
}

}  // namespace cli
