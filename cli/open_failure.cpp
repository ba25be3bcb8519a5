// Asking the system again why a file does not open, so the message can name its reason.
#include "cli/open_failure.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace cli {

std::string openFailureReason(const std::string& path) {
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) return std::strerror(errno);
  if (S_ISDIR(status.st_mode)) return std::strerror(EISDIR);
  // A pipe is not opened at all: opening one could wait for a writer forever.
  if (!S_ISREG(status.st_mode)) return "not a regular file";
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return std::strerror(errno);
  char byte = 0;
  const ssize_t got = ::read(fd, &byte, 1);
  const int error = errno;
  ::close(fd);
  if (got < 0) return std::strerror(error);
  // It opens now: it changed since the analysis tried.
  return "it could not be read when it was tried";
}

}  // namespace cli
