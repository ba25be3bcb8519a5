// Opening the two input files: only a readable regular file counts as opened.
#pragma once

#include <fstream>
#include <string>

namespace engine {

// Opens `path` for reading into `in` and returns true when it names a regular
// file (a link to one included) whose reading can start. A directory, a pipe,
// a device or an unreadable file leaves `in` closed and returns false, as a
// missing file does, so that nothing can block or read as if it were empty.
bool openInputFile(const std::string& path, std::ifstream& in);

}  // namespace engine
