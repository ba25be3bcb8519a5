// Where tarnek-cli --docx may write its report, and writing it there safely.
#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace cli {

// True when `target` exists and is the same file as one of `inputs`, whatever
// path, hard link or symbolic link names it.
bool namesAnInput(const std::string& target, const std::vector<std::string>& inputs);

// Writes a file at the path it is given; false, with the reason said, when it could not.
using FileWriter = std::function<bool(const std::string& path)>;

// Lets `write` fill a new temporary file beside `target`, gives it the
// permission bits of the file it replaces (of the umask for a new one) and
// renames it onto the target, so the target is never seen half-written and
// an earlier version survives a failure. A symbolic link is followed: the
// file it names is replaced and the link stays. A target that exists but is
// not a regular file (directory, pipe, device, socket) is left untouched.
// False, with the system's reason on `err`, when nothing was written.
bool replaceFile(const std::string& target, const FileWriter& write, std::ostream& err);

}  // namespace cli
