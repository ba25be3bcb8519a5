// Tests of replacing a file whole: keeping it when writing fails, and telling one file by any name.
#include "files/replace_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>

#include "tests/files/scratch_dir.h"

namespace files {
namespace {

namespace fs = std::filesystem;
using testing::contents;
using testing::ScratchDir;

size_t entries(const fs::path& folder) {
  return static_cast<size_t>(std::distance(fs::directory_iterator(folder), {}));
}

TEST(ReplaceFile, TargetKeepsItsOldContentUntilTheNewOneIsComplete) {
  ScratchDir dir;
  const std::string target = dir.write("report.docx", "old");
  const size_t before = entries(dir.path());
  for (const bool succeeds : {false, true}) {
    std::string reason;
    const bool replaced = replaceFile(
        target,
        [&](int fd, std::string& why) {
          EXPECT_EQ(contents(target), "old");  // untouched while the new one is written
          EXPECT_TRUE(writeAll(fd, "new", why));
          if (!succeeds) why = "the writer gave up";
          return succeeds;
        },
        reason);
    EXPECT_EQ(replaced, succeeds);
    EXPECT_EQ(reason, succeeds ? "" : "the writer gave up");
    EXPECT_EQ(contents(target), succeeds ? "new" : "old");
    EXPECT_EQ(entries(dir.path()), before);  // no temporary file left behind
  }
}

TEST(NamesAnInput, SameFileByAnyPathButNotAMissingOne) {
  ScratchDir dir;
  const fs::path sample = dir.write("Input.txt", "2\n1 2\n");
  dir.write("exttable.txt", "1 3.84\n");
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
}  // namespace files
