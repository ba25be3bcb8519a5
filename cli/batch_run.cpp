// Analysing the files of one tarnek-cli invocation.
#include "cli/batch_run.h"

#include <vector>

#include "cli/open_failure.h"
#include "cli/report_target.h"
#include "engine/critical_points.h"
#include "engine/document/document_plain_text.h"
#include "engine/output/csv_table.h"
#include "engine/output/file_report.h"
#include "engine/output/sample_run.h"
#include "engine/solution.h"
#include "platform/data_files.h"

namespace cli {

namespace {

engine::SampleSettings sampleSettings(const CliOptions& options) {
  engine::SampleSettings settings;
  settings.intervalLength = options.intervalLength;
  settings.xmin = options.xmin;
  settings.xmax = options.xmax;
  settings.alpha = options.alpha;
  settings.gamma = options.gamma;
  settings.coefficients = options.coefficients;
  return settings;
}

}  // namespace

engine::RunOutcome analyseFile(const std::string& file, const engine::CriticalPointTable& table,
                               const CliOptions& options, char decimalSeparator,
                               engine::RecordedView& view, engine::RunResult* result) {
  return engine::analyseFile(file, table, sampleSettings(options), decimalSeparator, view, result);
}

namespace {

std::vector<std::pair<ExportKind, std::string>> exports(const CliOptions& options) {
  std::vector<std::pair<ExportKind, std::string>> kinds;
  if (options.docxPath) kinds.emplace_back(ExportKind::DocxReport, *options.docxPath);
  if (options.pdfPath) kinds.emplace_back(ExportKind::PdfReport, *options.pdfPath);
  if (options.chartPath) {
    if (const std::optional<ExportKind> kind = chartExportKind(*options.chartPath))
      kinds.emplace_back(*kind, *options.chartPath);
  }
  return kinds;
}

}  // namespace

int runBatch(const CliOptions& options, char decimalSeparator, std::ostream& out, std::ostream& err,
             const ReportWriter& writeReport) {
  const engine::LoadedTable table =
      engine::loadTable(options.tablePath ? *options.tablePath : platform::criticalPointsPath());
  for (const std::string& message : table.messages) err << message << '\n';

  const bool named = options.files.size() > 1 && !options.json;
  int status = table.loaded ? 0 : 1;
  std::string report;
  for (size_t i = 0; i < options.files.size(); ++i) {
    const std::string& file = options.files[i];
    engine::RecordedView view;
    engine::RunResult result;
    const bool wantsResult = options.json || options.csv || options.solution;
    const bool opened =
        analyseFile(file, table.table, options, decimalSeparator, view,
                    wantsResult ? &result : nullptr) != engine::RunOutcome::FileNotOpened;
    if (!opened) {
      status = 1;
      err << engine::cannotOpenText(file, openFailureReason(file));
    }
    report.clear();
    std::optional<engine::TextDocument> solution;
    if (options.solution) solution = engine::buildSolution(result, decimalSeparator);
    if (options.json) {
      std::vector<std::string> paragraphs;
      if (solution) paragraphs = engine::plainParagraphs(*solution);
      engine::appendJsonReport(report, file, table.messages, view, &result,
                               solution ? &paragraphs : nullptr);
    } else if (options.csv) {
      if (i > 0) report += '\n';
      engine::appendCsvTable(report, result);
      // A file without a table keeps its header line; the reason goes to the error stream.
      if (opened && result.tableColumns == 0 && !view.log().empty())
        err << "tarnek-cli: " << file << ": " << view.log().back() << '\n';
    } else {
      if (i > 0) report += '\n';
      if (named) report += "== " + file + " ==\n";
      engine::appendPlainReport(report, view);
      if (solution) {
        report += '\n';
        report += engine::plainDocument(*solution);
      }
    }
    out.write(report.data(), static_cast<std::streamsize>(report.size()));
    // A sample that could not be read has no report; nothing is written in its name.
    if (opened) {
      for (const auto& [kind, target] : exports(options)) {
        std::string document;
        if (!writeReport ||
            !writeReport(view, kind, solution ? &*solution : nullptr, document, err) ||
            !saveReport(target, document, err))
          status = 1;
      }
    }
    if (!out) return 1;  // the caller says why; the rest would be lost too
  }
  return status;
}

}  // namespace cli
