// Replacing a file whole, so that it is never seen half-written, and telling one file by any name.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace files {

// True when `target` exists and is the same file as one of `inputs`, whatever
// path, hard link or symbolic link names it.
bool namesAnInput(const std::string& target, const std::vector<std::string>& inputs);

// Writes the new file's contents into `fd` (open for writing, at offset 0);
// false, with why in `reason`, when it could not.
using ContentWriter = std::function<bool(int fd, std::string& reason)>;

// Lets `write` fill a new file in the target's folder, gives it the owner,
// group and permission bits of the file it replaces (as far as the process
// may; the umask's bits for a new one), syncs it and renames it onto the
// target, so the target is never seen half-written and an earlier version
// survives a failure. The new file has no name while it is written (where
// the file system allows), so a process killed meanwhile leaves nothing
// behind; elsewhere its short temporary name is removed on every failure.
// A symbolic link is followed: the file it names is replaced and the link
// stays. A target that exists but is not a regular file (directory, pipe,
// device, socket) is left untouched. False, with the writer's or the
// system's reason in `reason`, when nothing was written.
bool replaceFile(const std::string& target, const ContentWriter& write, std::string& reason);

// The same with the whole contents at hand.
bool replaceFile(const std::string& target, std::string_view contents, std::string& reason);

// Writes all of `contents` to `fd`; false, with the system's reason, when it could not.
bool writeAll(int fd, std::string_view contents, std::string& reason);

namespace detail {
// replaceFile, told whether it may use an unnamed file: false tries the way
// taken on file systems without them.
bool replaceFile(const std::string& target, const ContentWriter& write, std::string& reason,
                 bool mayUseUnnamedFile);
}  // namespace detail

}  // namespace files
