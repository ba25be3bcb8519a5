// window.tarnek.analyse: one sample text analysed exactly as tarnek-cli --json analyses a file.
#include "web/module/sample_analysis.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

#include "cli/command_line.h"

namespace web {

namespace fs = std::filesystem;

namespace {

bool staysInside(const fs::path& name) {
  if (name.is_absolute()) return false;
  for (const fs::path& part : name)
    if (part == "..") return false;
  return true;
}

bool writeFile(const fs::path& path, const std::string& text) {
  std::error_code ignored;
  if (path.has_parent_path()) fs::create_directories(path.parent_path(), ignored);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  return static_cast<bool>(out);
}

AnalysisReply usageError(const std::string& message) {
  AnalysisReply reply;
  reply.status = cli::kExitUsage;
  reply.errors = "tarnek: " + message + "\n";
  return reply;
}

}  // namespace

AnalysisReply analyseSample(const SampleAnalysis& request, const std::string& folder,
                            const std::string& shippedTable) {
  const fs::path name(request.fileName);
  if (!staysInside(name))
    return usageError("fileName must name a file inside the sample's folder: " + request.fileName);

  std::error_code error;
  const fs::path root(folder);
  const fs::path samples = root / "sample";
  // Only the sample named and the table given are read, so the folder is made once and each
  // call removes what it wrote: every file system call costs a trip through JavaScript.
  if (!fs::is_directory(samples, error)) fs::create_directories(samples, error);
  std::string tablePath = shippedTable;
  if (request.tableText) {
    tablePath = (root / "exttable.txt").string();
    writeFile(tablePath, *request.tableText);
  }
  // An empty name, or one that names a folder, cannot be written: the run says it cannot open it.
  const fs::path samplePath = samples / name;
  const bool written = !request.fileName.empty() && writeFile(samplePath, request.sampleText);

  std::vector<std::string> args{"--json", "--table", tablePath};
  for (const auto& [flag, value] : request.flags) {
    args.push_back(flag);
    args.push_back(value);
  }
  args.push_back("--");
  args.push_back(request.fileName);

  const fs::path previous = fs::current_path(error);
  fs::current_path(samples, error);
  std::ostringstream out;
  std::ostringstream err;
  AnalysisReply reply;
  reply.status = cli::runCommandLine(args, request.decimalSeparator, out, err);
  reply.json = out.str();
  reply.errors = err.str();
  if (!previous.empty()) fs::current_path(previous, error);
  if (written) fs::remove(samplePath, error);
  if (name.has_parent_path()) fs::remove_all(samples / *name.begin(), error);
  if (request.tableText) fs::remove(tablePath, error);
  return reply;
}

}  // namespace web
