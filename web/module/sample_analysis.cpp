// window.tarnek.analyse: one sample text analysed exactly as tarnek-cli --json analyses a file.
#include "web/module/sample_analysis.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "engine/output/sample_run.h"

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

// The system's reason a sample cannot be opened, as tarnek-cli names it: the page's files are
// plain files of its memory file system, so a missing file and a folder are the cases there are.
std::string whyNotOpened(const std::string& path) {
  std::error_code error;
  const fs::file_status status = fs::status(path, error);
  if (error) return error.message();
  if (fs::is_directory(status)) return std::make_error_code(std::errc::is_a_directory).message();
  if (!fs::is_regular_file(status)) return "not a regular file";
  return "it could not be read when it was tried";
}

AnalysisReply usageError(const std::string& message) {
  AnalysisReply reply;
  reply.status = engine::kExitUsage;
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

  const fs::path previous = fs::current_path(error);
  fs::current_path(samples, error);
  AnalysisReply reply;
  reply.status =
      engine::runJsonSample(tablePath, request.fileName, request.flags, request.decimalSeparator,
                            reply.json, reply.errors, whyNotOpened);
  if (!previous.empty()) fs::current_path(previous, error);
  if (written) fs::remove(samplePath, error);
  if (name.has_parent_path()) fs::remove_all(samples / *name.begin(), error);
  if (request.tableText) fs::remove(tablePath, error);
  return reply;
}

}  // namespace web
