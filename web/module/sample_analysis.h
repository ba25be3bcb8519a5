// window.tarnek.analyse: one sample text analysed exactly as tarnek-cli --json analyses a file.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace web {

struct SampleAnalysis {
  std::string sampleText;
  // The critical-point table's text; without it, the table at `shippedTable` is read.
  std::optional<std::string> tableText;
  // The sample's name, as the log and the "file" key give it. Relative, without "..".
  std::string fileName = "Input.txt";
  // tarnek-cli's options and their values as it takes them: {"--h", "0.5"}.
  std::vector<std::pair<std::string, std::string>> flags;
  char decimalSeparator = '.';
};

struct AnalysisReply {
  int status = 0;      // tarnek-cli's exit status: 0, 1 (table or file not read) or 2 (usage)
  std::string json;    // the one line it prints, its line break included; empty with status 2
  std::string errors;  // what it writes to standard error
};

// Writes the sample under its name into `folder`/sample (a scratch folder of the page's memory
// file system, or of a test; made on the first call) and the table beside it, runs the one-file
// run of tarnek-cli --json inside it (engine/output/sample_run.h) on the table, the flags and the
// name, and removes what it wrote. The working directory is restored afterwards. A name that is
// absolute or climbs out with ".." is a usage error: nothing is written.
AnalysisReply analyseSample(const SampleAnalysis& request, const std::string& folder,
                            const std::string& shippedTable);

}  // namespace web
