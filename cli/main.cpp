// Entry point of tarnek-cli.
#include <iostream>
#include <string>
#include <vector>

#include "command_line.h"
#include "report_module.h"
#include "locale_separator.h"

int main(int argc, char** argv) {
  // Reports are written whole per file; unsynchronised streams keep them buffered.
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
  const int status = cli::runCommandLine(args, cli::localeDecimalSeparator(), std::cout, std::cerr,
                                           cli::writeReportThroughModule);
  std::cout.flush();
  return status;
}
