// Where tarnek-cli --docx may write its report, and writing it there safely.
#include "cli/report_target.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace cli {

namespace fs = std::filesystem;

bool namesAnInput(const std::string& target, const std::vector<std::string>& inputs) {
  for (const std::string& input : inputs) {
    std::error_code error;
    if (fs::equivalent(target, input, error) && !error) return true;
  }
  return false;
}

namespace {

// The file a chain of symbolic links ends at, whether or not it exists yet.
fs::path followLinks(fs::path path) {
  constexpr int kMaxLinks = 40;  // as the kernel allows before ELOOP
  for (int hop = 0; hop < kMaxLinks; ++hop) {
    std::error_code error;
    if (!fs::is_symlink(fs::symlink_status(path, error))) break;
    const fs::path next = fs::read_symlink(path, error);
    if (error) break;
    path = next.is_absolute() ? next : path.parent_path() / next;
  }
  return path;
}

fs::perms newFilePermissions() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return static_cast<fs::perms>(0666 & ~mask);
}

}  // namespace

bool replaceFile(const std::string& target, const FileWriter& write, std::ostream& err) {
  const auto fail = [&](const std::string& reason) {
    err << "tarnek-cli: cannot write the report to " << target << ": " << reason << '\n';
    return false;
  };
  const fs::path destination = followLinks(target);
  std::error_code error;
  const fs::file_status status = fs::status(destination, error);
  if (error && error != std::errc::no_such_file_or_directory) return fail(error.message());
  const bool exists = fs::exists(status);
  if (exists && !fs::is_regular_file(status))
    return fail(fs::is_directory(status) ? std::strerror(EISDIR) : "not a regular file");
  const fs::perms permissions = exists ? status.permissions() : newFilePermissions();

  std::string temporary =
      (destination.parent_path() / ("." + destination.filename().string() + ".XXXXXX")).string();
  const int fd = ::mkstemp(temporary.data());
  if (fd < 0) return fail(std::strerror(errno));
  ::close(fd);
  if (!write(temporary)) {
    ::unlink(temporary.c_str());
    return false;
  }
  fs::permissions(temporary, permissions, error);
  if (error || ::rename(temporary.c_str(), destination.c_str()) != 0) {
    const std::string reason = error ? error.message() : std::strerror(errno);
    ::unlink(temporary.c_str());
    return fail(reason);
  }
  return true;
}

}  // namespace cli
