// Opening the two input files: only a readable regular file counts as opened.
#include "engine/input_file.h"

#include <filesystem>
#include <system_error>

namespace engine {

bool openInputFile(const std::string& path, std::ifstream& in) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error) || error) return false;
  in.open(path);
  if (!in.is_open()) return false;
  // A file that opens but fails its first read is as unusable as one that does not open.
  in.peek();
  if (in.bad()) {
    in.close();
    return false;
  }
  in.clear();
  return true;
}

}  // namespace engine
