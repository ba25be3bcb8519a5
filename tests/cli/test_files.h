// Temporary input files and a way to run the built tarnek-cli on them.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace cli::testing {

// A fresh directory holding copies of the shipped exttable.txt and
// Input.txt, removed with everything in it at the end of the test.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // Writes `content` to `name` inside the directory; returns the full path.
  std::string write(const std::string& name, const std::string& content) const;

 private:
  std::filesystem::path path_;
};

// The whole file's bytes; empty when it cannot be read.
std::string contents(const std::filesystem::path& path);

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
