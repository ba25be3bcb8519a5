// Entry point of tarnek-cli.
#include <unistd.h>

#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "cli/descriptor_output.h"
#include "cli/report_module.h"
#include "platform/decimal_separator.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  // Reports are written whole per file into a buffer that keeps the reason of a failed write.
  cli::DescriptorOutput standardOutput(STDOUT_FILENO);
  std::ostream out(&standardOutput);
  const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
  int status = cli::runCommandLine(args, platform::localeDecimalSeparator(), out, std::cerr,
                                   cli::buildReportThroughModule);
  out.flush();
  if (standardOutput.error() != 0) {
    std::cerr << "tarnek-cli: cannot write to standard output: "
              << std::strerror(standardOutput.error()) << '\n';
    status = cli::kExitFileNotOpened;
  }
  return status;
}
