// The whole of tarnek-cli behind main(): arguments in, exit status out.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "cli/batch_run.h"
#include "engine/output/sample_run.h"

namespace cli {

using engine::kExitFileNotOpened;
using engine::kExitOk;
using engine::kExitUsage;

// Parses `args` (without the program name) and runs the batch; --help goes to
// `out`, usage errors with the usage text to `err`. A --docx, --pdf or --chart
// target that is one of the inputs (a FILE or the table) is refused as a usage
// error, before anything is written.
int runCommandLine(const std::vector<std::string>& args, char decimalSeparator, std::ostream& out,
                   std::ostream& err, const ReportWriter& writeReport = nullptr);

}  // namespace cli
