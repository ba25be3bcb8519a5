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

std::filesystem::path modulePath() {
  std::error_code error;
  const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::filesystem::path(kModuleName) : executable.parent_path() / kModuleName;
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
