// Tests of the report's target: replacing a file whole, and keeping it when writing fails.
#include "cli/report_target.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "tests/cli/test_files.h"

namespace cli {
namespace {

namespace fs = std::filesystem;

std::string contents(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

size_t entries(const fs::path& folder) {
  return static_cast<size_t>(std::distance(fs::directory_iterator(folder), {}));
}

TEST(ReplaceFile, TargetKeepsItsOldContentUntilTheNewOneIsComplete) {
  testing::TempDir dir;
  const std::string target = dir.write("report.docx", "old");
  const size_t before = entries(dir.path());
  for (const bool succeeds : {false, true}) {
    std::ostringstream err;
    const bool replaced = replaceFile(
        target,
        [&](const std::string& path) {
          EXPECT_NE(fs::path(path), fs::path(target));
          EXPECT_EQ(fs::path(path).parent_path(), fs::path(target).parent_path());
          EXPECT_EQ(contents(target), "old");  // untouched while the new one is written
          std::ofstream(path, std::ios::binary) << "new";
          return succeeds;
        },
        err);
    EXPECT_EQ(replaced, succeeds);
    EXPECT_EQ(contents(target), succeeds ? "new" : "old");
    EXPECT_EQ(entries(dir.path()), before);  // no temporary file left behind
  }
}

TEST(NamesAnInput, SameFileByAnyPathButNotAMissingOne) {
  testing::TempDir dir;
  const fs::path sample = dir.path() / "Input.txt";
  fs::create_symlink(sample, dir.path() / "link.txt");
  const std::vector<std::string> inputs{sample.string(), (dir.path() / "exttable.txt").string()};
  EXPECT_TRUE(namesAnInput((dir.path() / "." / "Input.txt").string(), inputs));
  EXPECT_TRUE(namesAnInput((dir.path() / "link.txt").string(), inputs));
  EXPECT_TRUE(namesAnInput((dir.path() / "exttable.txt").string(), inputs));
  EXPECT_FALSE(namesAnInput((dir.path() / "report.docx").string(), inputs));
  EXPECT_FALSE(namesAnInput((dir.path() / "report.docx").string(),
                            {(dir.path() / "report.docx").string()}));  // neither exists
}

}  // namespace
}  // namespace cli
