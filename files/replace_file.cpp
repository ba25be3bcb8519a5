// Replacing a file whole, so that it is never seen half-written, and telling one file by any name.
#include "files/replace_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace files {

namespace fs = std::filesystem;

bool namesAnInput(const std::string& target, const std::vector<std::string>& inputs) {
  for (const std::string& input : inputs) {
    std::error_code error;
    if (fs::equivalent(target, input, error) && !error) return true;
  }
  return false;
}

bool writeAll(int fd, std::string_view contents, std::string& reason) {
  while (!contents.empty()) {
    const ssize_t written = ::write(fd, contents.data(), contents.size());
    if (written < 0 && errno == EINTR) continue;
    if (written < 0) {
      reason = std::strerror(errno);
      return false;
    }
    contents.remove_prefix(static_cast<size_t>(written));
  }
  return true;
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

bool replaceFile(const std::string& target, const ContentWriter& write, std::string& reason) {
  const auto fail = [&](const std::string& why) {
    reason = why;
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
  const bool written = write(fd, reason);
  ::close(fd);
  if (!written) {
    ::unlink(temporary.c_str());
    return false;
  }
  fs::permissions(temporary, permissions, error);
  if (error || ::rename(temporary.c_str(), destination.c_str()) != 0) {
    const std::string why = error ? error.message() : std::strerror(errno);
    ::unlink(temporary.c_str());
    return fail(why);
  }
  return true;
}

bool replaceFile(const std::string& target, std::string_view contents, std::string& reason) {
  return replaceFile(
      target, [contents](int fd, std::string& why) { return writeAll(fd, contents, why); }, reason);
}

}  // namespace files
