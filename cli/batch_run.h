// Analysing the files of one tarnek-cli invocation.
#pragma once

#include <functional>
#include <ostream>
#include <string>

#include "cli/cli_options.h"
#include "cli/report_export.h"
#include "engine/analysis_state.h"
#include "engine/document/text_document.h"
#include "engine/process_file.h"
#include "engine/recorded_view.h"
#include "engine/run_result.h"

namespace cli {

// The window's first run on `file` with a fresh state holding `table`; when
// options hold --h/--xmin/--xmax, those replace the loaded values and the
// analysis runs again on the sample in memory, into the same view, as the
// options dialog's Apply does. Returns the first run's outcome, which tells
// whether the file could be opened. A non-null `result` receives the numbers
// of the run the view shows last.
engine::RunOutcome analyseFile(const std::string& file, const engine::CriticalPointTable& table,
                               const CliOptions& options, char decimalSeparator,
                               engine::RecordedView& view, engine::RunResult* result = nullptr);

// Builds the whole file `kind` asks for (the report, or the chart) of a
// finished analysis into `document`, the report with the worked solution
// after the log when `solution` is not null; false, with the reason on `err`,
// when it could not.
using ReportWriter = std::function<bool(const engine::RecordedView& view, ExportKind kind,
                                        const engine::TextDocument* solution, std::string& document,
                                        std::ostream& err)>;

// Loads the table once (its messages to `err`), analyses every file and
// prints each report to `out` (with --solution, the worked solution too);
// with --docx, --pdf or --chart, `writeReport` writes each of them too,
// through a temporary file that replaces the target, and only when the file
// could be opened. A file that could not be opened is named on `err` with the
// system's reason. Returns 1 when the table could not be loaded or had a
// format fault, a file could not be opened, a report or the chart not written
// or `out` failed (which ends the batch), else 0.
int runBatch(const CliOptions& options, char decimalSeparator, std::ostream& out, std::ostream& err,
             const ReportWriter& writeReport = nullptr);

}  // namespace cli
