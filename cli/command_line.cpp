// The whole of tarnek-cli behind main(): arguments in, exit status out.
#include "cli/command_line.h"

#include "cli/batch_run.h"
#include "cli/cli_options.h"
#include "cli/report_target.h"
#include "cli/sample_import.h"
#include "platform/data_files.h"

namespace cli {

int runCommandLine(const std::vector<std::string>& args, char decimalSeparator, std::ostream& out,
                   std::ostream& err, const ReportWriter& writeReport) {
  const ParsedCommandLine parsed = parseCommandLine(args);
  switch (parsed.kind) {
    case ParsedCommandLine::Kind::Help:
      out << kUsage;
      return kExitOk;
    case ParsedCommandLine::Kind::UsageError:
      err << engine::usageErrorText(parsed.error);
      return kExitUsage;
    case ParsedCommandLine::Kind::Run:
      break;
  }
  if (parsed.options.toSample) return writeSample(parsed.options, err);
  CliOptions options = parsed.options;
  // The table actually read, so that a report cannot be written over it by another name.
  if (!options.tablePath) options.tablePath = platform::criticalPointsPath();
  std::vector<std::string> inputs = options.files;
  inputs.push_back(*options.tablePath);
  for (const auto& [name, path] : outputs(options)) {
    if (!namesAnInput(path, inputs)) continue;
    err << "tarnek-cli: " << name << ' ' << path
        << " is an input file; writing it would destroy it, so nothing was written\n";
    return kExitUsage;
  }
  return runBatch(options, decimalSeparator, out, err, writeReport) == 0 ? kExitOk
                                                                         : kExitFileNotOpened;
}

}  // namespace cli
