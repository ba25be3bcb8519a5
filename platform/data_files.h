// Where the program finds its critical-point table and its first sample.
#pragma once

#include <optional>
#include <string>

namespace platform {

inline constexpr const char* kTableFile = "exttable.txt";
inline constexpr const char* kDefaultSample = "Input.txt";

// "exttable.txt" when the working directory holds one; else the installed
// copy, tarnek/exttable.txt in the generic data folders (XDG_DATA_HOME, then
// XDG_DATA_DIRS), as a full path; else "exttable.txt", so that loading it
// fails with the usual message.
std::string criticalPointsPath();

// The installed example sample, tarnek/Input.txt in the generic data
// folders, as a full path; empty when none is installed.
std::string installedExamplePath();

// What the first run analyses: the file named on the command line, exactly as
// given; without one, "Input.txt" when the working directory holds it or no
// example is installed, else the installed example.
std::string firstSampleName(const std::optional<std::string>& argument);

}  // namespace platform
