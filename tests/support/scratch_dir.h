// A fresh folder for one test, removed with everything in it at the end, and what is in a folder.
#pragma once

#include <filesystem>
#include <set>
#include <string>

namespace test_support {

class ScratchDir {
 public:
  // Made in the temporary folder as `prefix` and six random characters.
  explicit ScratchDir(const std::string& prefix = "tarnek-test");
  ~ScratchDir();
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // Writes `content` to `name` inside the folder; returns the full path.
  std::string write(const std::string& name, const std::string& content) const;

 private:
  std::filesystem::path path_;
};

// The whole of a file, empty when it cannot be read.
std::string contents(const std::filesystem::path& path);

// The names of a folder's entries.
std::set<std::string> entries(const std::filesystem::path& folder);

}  // namespace test_support
