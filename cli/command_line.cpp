// The whole of tarnek-cli behind main(): arguments in, exit status out.
#include "command_line.h"

#include "batch_run.h"
#include "cli_options.h"

namespace cli {

int runCommandLine(const std::vector<std::string>& args, char decimalSeparator, std::ostream& out,
                   std::ostream& err, const ReportWriter& writeReport) {
  const ParsedCommandLine parsed = parseCommandLine(args);
  switch (parsed.kind) {
    case ParsedCommandLine::Kind::Help:
      out << kUsage;
      return kExitOk;
    case ParsedCommandLine::Kind::UsageError:
      err << "tarnek-cli: " << parsed.error << "\n\n" << kUsage;
      return kExitUsage;
    case ParsedCommandLine::Kind::Run:
      break;
  }
  return runBatch(parsed.options, decimalSeparator, out, err, writeReport) == 0
             ? kExitOk
             : kExitFileNotOpened;
}

}  // namespace cli
