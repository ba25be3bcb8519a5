// Why a sample or table could not be opened, in the system's words.
#pragma once

#include <string>

namespace cli {

// The reason opening `path` for reading fails now: the system's message for a missing or
// unreadable file, for a folder, "not a regular file" for a pipe, device or socket.
std::string openFailureReason(const std::string& path);

}  // namespace cli
