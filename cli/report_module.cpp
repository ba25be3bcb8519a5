// Loading the Word report only when --docx asks for it.
#include "report_module.h"

#include <dlfcn.h>

#include <filesystem>
#include <system_error>

namespace cli {

namespace {

constexpr const char* kModuleName = "libtarnek_docx_export.so";
constexpr const char* kEntryName = "tarnekWriteDocxReport";

using WriteReport = bool (*)(const engine::RecordedView&, const std::string&, std::ostream&);

// Beside the executable in the build tree; in ../lib/tarnek/ once installed
// (the package puts tarnek-cli in /usr/bin and the module in /usr/lib/tarnek).
std::filesystem::path modulePath() {
  std::error_code error;
  const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return kModuleName;
  const std::filesystem::path folder = executable.parent_path();
  const std::filesystem::path beside = folder / kModuleName;
  if (std::filesystem::exists(beside, error)) return beside;
  return folder.parent_path() / "lib" / "tarnek" / kModuleName;
}

}  // namespace

bool writeReportThroughModule(const engine::RecordedView& view, const std::string& path,
                              std::ostream& err) {
  const std::string module = modulePath().string();
  // Kept loaded to the end of the process: Qt registers exit handlers inside it.
  void* handle = dlopen(module.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) {
    err << "tarnek-cli: the Word report module could not be loaded: " << dlerror() << '\n';
    return false;
  }
  const auto write = reinterpret_cast<WriteReport>(dlsym(handle, kEntryName));
  if (write == nullptr) {
    err << "tarnek-cli: the Word report module is damaged: " << dlerror() << '\n';
    return false;
  }
  return write(view, path, err);
}

}  // namespace cli
