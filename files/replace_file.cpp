// Replacing a file whole, so that it is never seen half-written, and telling one file by any name.
#include "files/replace_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <random>
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

// A descriptor closed when it goes out of scope.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }
  // Closes now, so that an error of the last write back is seen; false with errno set.
  bool close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

// A short name of our own for the new file, whatever the length of the target's name: a name
// the file system accepts for the target must never be refused because of the temporary one.
std::string temporaryName() {
  static const char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  static thread_local std::mt19937 generator{std::random_device{}()};
  std::uniform_int_distribution<size_t> pick(0, sizeof kLetters - 2);
  std::string name = ".tnk";
  for (int i = 0; i < 6; ++i) name += kLetters[pick(generator)];
  return name;
}

constexpr int kNameAttempts = 100;

// What the new file takes over from the one it replaces.
struct Inheritance {
  bool replaces = false;
  mode_t mode = 0;  // the permission bits, set-id and sticky bits included
  uid_t owner = 0;
  gid_t group = 0;
};

// Gives the new file the owner, group and permission bits of the file it replaces. Only root
// may give a file away, and a user may choose only their own groups: where the system says no
// (or knows no such owner, as in a user namespace), the new file stays the writer's, which is
// all an ordinary rename would have given.
bool inherit(int fd, const Inheritance& old, std::string& reason) {
  if (!old.replaces) return true;  // a new file keeps what the umask gave it
  const auto refused = [] { return errno == EPERM || errno == EINVAL; };
  // The owner first: changing it clears the set-id bits the mode then puts back.
  if (::fchown(fd, old.owner, old.group) != 0) {
    if (!refused()) {
      reason = std::strerror(errno);
      return false;
    }
    // A file of another user's in one of our groups keeps at least its group.
    if (::fchown(fd, static_cast<uid_t>(-1), old.group) != 0 && !refused()) {
      reason = std::strerror(errno);
      return false;
    }
  }
  if (::fchmod(fd, old.mode) != 0) {
    reason = std::strerror(errno);
    return false;
  }
  return true;
}

bool syncFile(int fd, std::string& reason) {
  if (::fsync(fd) == 0) return true;
  reason = std::strerror(errno);
  return false;
}

// The rename is on disk only once the folder is; a failure here changes nothing for the caller,
// who already sees the new file, so it is not reported.
void syncFolder(int folder) { ::fsync(folder); }

// Names an unnamed file `name` in `folder`: through /proc, which needs no privilege, else by
// the descriptor itself, which some kernels allow only to a privileged process.
int linkUnnamed(int fd, int folder, const std::string& name) {
  const std::string self = "/proc/self/fd/" + std::to_string(fd);
  if (::linkat(AT_FDCWD, self.c_str(), folder, name.c_str(), AT_SYMLINK_FOLLOW) == 0) return 0;
  if (errno != ENOENT) return -1;
  return ::linkat(fd, "", folder, name.c_str(), AT_EMPTY_PATH);
}

enum class Unnamed { Replaced, Failed, Unsupported };

// The new file has no name while it is written, so a process killed at any moment before the
// last step leaves nothing behind; only the last link and rename have a name to lose.
Unnamed replaceThroughUnnamedFile(int folder, const std::string& name, const Inheritance& old,
                                  const ContentWriter& write, std::string& reason) {
  Descriptor file(::openat(folder, ".", O_TMPFILE | O_RDWR | O_CLOEXEC, 0666));
  if (file.get() < 0) {
    if (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL) return Unnamed::Unsupported;
    reason = std::strerror(errno);
    return Unnamed::Failed;
  }
  if (!write(file.get(), reason) || !inherit(file.get(), old, reason) ||
      !syncFile(file.get(), reason))
    return Unnamed::Failed;
  // A target that does not exist gets its name at once; one that does, or appeared meanwhile,
  // is replaced by a rename, which cannot take an unnamed file.
  if (!old.replaces && linkUnnamed(file.get(), folder, name) == 0) {
    syncFolder(folder);
    return Unnamed::Replaced;
  }
  if (!old.replaces && errno != EEXIST) {
    reason = std::strerror(errno);
    return Unnamed::Failed;
  }
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    const std::string temporary = temporaryName();
    if (linkUnnamed(file.get(), folder, temporary) != 0) {
      if (errno == EEXIST) continue;
      reason = std::strerror(errno);
      return Unnamed::Failed;
    }
    if (::renameat(folder, temporary.c_str(), folder, name.c_str()) != 0) {
      reason = std::strerror(errno);
      ::unlinkat(folder, temporary.c_str(), 0);
      return Unnamed::Failed;
    }
    syncFolder(folder);
    return Unnamed::Replaced;
  }
  reason = std::strerror(EEXIST);
  return Unnamed::Failed;
}

// Where the file system has no unnamed files: a short temporary name, removed on every failure.
bool replaceThroughNamedFile(int folder, const std::string& name, const Inheritance& old,
                             const ContentWriter& write, std::string& reason) {
  std::string temporary;
  int fd = -1;
  for (int attempt = 0; attempt < kNameAttempts && fd < 0; ++attempt) {
    temporary = temporaryName();
    // Private while it is written when it replaces a file; a new one takes the umask's bits.
    fd = ::openat(folder, temporary.c_str(), O_CREAT | O_EXCL | O_RDWR | O_CLOEXEC,
                  old.replaces ? 0600 : 0666);
    if (fd < 0 && errno != EEXIST) break;
  }
  if (fd < 0) {
    reason = std::strerror(errno);
    return false;
  }
  Descriptor file(fd);
  bool done =
      write(file.get(), reason) && inherit(file.get(), old, reason) && syncFile(file.get(), reason);
  if (done && !file.close()) {
    reason = std::strerror(errno);
    done = false;
  }
  if (done && ::renameat(folder, temporary.c_str(), folder, name.c_str()) != 0) {
    reason = std::strerror(errno);
    done = false;
  }
  if (!done) {
    ::unlinkat(folder, temporary.c_str(), 0);
    return false;
  }
  syncFolder(folder);
  return true;
}

}  // namespace

namespace detail {

bool replaceFile(const std::string& target, const ContentWriter& write, std::string& reason,
                 bool mayUseUnnamedFile) {
  reason.clear();
  const fs::path destination = followLinks(target);
  struct stat status {};
  Inheritance old;
  if (::stat(destination.c_str(), &status) == 0) {
    if (!S_ISREG(status.st_mode)) {
      reason = S_ISDIR(status.st_mode) ? std::strerror(EISDIR) : "not a regular file";
      return false;
    }
    old = {true, status.st_mode & 07777, status.st_uid, status.st_gid};
  } else if (errno != ENOENT) {
    reason = std::strerror(errno);
    return false;
  }
  const fs::path parent = destination.parent_path();
  const char* const folderPath = parent.empty() ? "." : parent.c_str();
  // Readable, so that it can be synced; a folder we may only write into is still written into.
  int folderFd = ::open(folderPath, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folderFd < 0 && errno == EACCES)
    folderFd = ::open(folderPath, O_PATH | O_DIRECTORY | O_CLOEXEC);
  Descriptor folder(folderFd);
  if (folder.get() < 0) {
    reason = std::strerror(errno);
    return false;
  }
  const std::string name = destination.filename().string();
  // Without /proc an unprivileged process cannot name an unnamed file once it is written.
  if (mayUseUnnamedFile && ::access("/proc/self/fd", F_OK) == 0) {
    const Unnamed unnamed = replaceThroughUnnamedFile(folder.get(), name, old, write, reason);
    if (unnamed != Unnamed::Unsupported) return unnamed == Unnamed::Replaced;
  }
  return replaceThroughNamedFile(folder.get(), name, old, write, reason);
}

}  // namespace detail

bool replaceFile(const std::string& target, const ContentWriter& write, std::string& reason) {
  return detail::replaceFile(target, write, reason, true);
}

bool replaceFile(const std::string& target, std::string_view contents, std::string& reason) {
  return replaceFile(
      target, [contents](int fd, std::string& why) { return writeAll(fd, contents, why); }, reason);
}

}  // namespace files
