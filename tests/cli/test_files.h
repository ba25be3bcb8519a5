// Temporary input files and a way to run the built tarnek-cli on them.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/scratch_dir.h"

namespace cli::testing {

using test_support::contents;
using test_support::entries;

// A scratch folder holding copies of the shipped exttable.txt and Input.txt.
class TempDir : public test_support::ScratchDir {
 public:
  TempDir();
};

struct CliRun {
  int status = -1;  // exit status, or -1 when the program did not exit normally
  std::string out;
  std::string err;
};

// Runs the built tarnek-cli in `workDir` with `environment` ("NAME=value"
// entries) and captures its output; with `stdoutTo`, standard output goes to
// that file instead and `out` stays empty. Without XDG_DATA_DIRS there, the
// data folders point at a missing folder, so no installed table is found.
CliRun runCli(const std::vector<std::string>& args, const std::filesystem::path& workDir,
              const std::vector<std::string>& environment = {"LANG=C"},
              const std::filesystem::path& stdoutTo = {});

}  // namespace cli::testing
