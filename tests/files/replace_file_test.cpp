// Tests of replacing a file whole: keeping it when writing fails, and telling one file by any name.
#include "files/replace_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <iterator>
#include <set>

#include "tests/support/scratch_dir.h"

namespace files {
namespace {

namespace fs = std::filesystem;
using test_support::contents;
using test_support::entries;
using test_support::ScratchDir;

struct stat statusOf(const fs::path& path) {
  struct stat status {};
  EXPECT_EQ(::stat(path.c_str(), &status), 0) << path;
  return status;
}

// Both ways of writing: an unnamed file where the file system has them, a named one elsewhere.
class ReplaceFileTest : public ::testing::TestWithParam<bool> {
 protected:
  bool replace(const std::string& target, const std::string& text, std::string& reason) const {
    return detail::replaceFile(
        target, [&](int fd, std::string& why) { return writeAll(fd, text, why); }, reason,
        GetParam());
  }
  ScratchDir dir_;
};

TEST_P(ReplaceFileTest, TargetKeepsItsOldContentUntilTheNewOneIsComplete) {
  const std::string target = dir_.write("report.docx", "old");
  const std::set<std::string> before = entries(dir_.path());
  for (const bool succeeds : {false, true}) {
    std::string reason;
    const bool replaced = detail::replaceFile(
        target,
        [&](int fd, std::string& why) {
          EXPECT_EQ(contents(target), "old");  // untouched while the new one is written
          // An unnamed file is not seen at all; a named one only by a short name of its own.
          const std::set<std::string> during = entries(dir_.path());
          EXPECT_EQ(during.size(), before.size() + (GetParam() ? 0 : 1));
          for (const std::string& name : during) {
            if (before.count(name) == 0) {
              EXPECT_LE(name.size(), 10u) << name;
            }
          }
          EXPECT_TRUE(writeAll(fd, "new", why));
          if (!succeeds) why = "the writer gave up";
          return succeeds;
        },
        reason, GetParam());
    EXPECT_EQ(replaced, succeeds);
    EXPECT_EQ(reason, succeeds ? "" : "the writer gave up");
    EXPECT_EQ(contents(target), succeeds ? "new" : "old");
    EXPECT_EQ(entries(dir_.path()), before);  // no temporary file left behind
  }
}

TEST_P(ReplaceFileTest, AnyNameTheFileSystemTakesIsWrittenNewOrReplaced) {
  const std::string longest(255, 'n');  // NAME_MAX: no room for a suffix
  for (const std::string& name : {std::string(250, 'r') + ".docx", longest, std::string("r")}) {
    const std::string target = (dir_.path() / name).string();
    for (const char* text : {"first", "second"}) {  // a new file, then one replaced
      std::string reason;
      EXPECT_TRUE(replace(target, text, reason)) << name.size() << ": " << reason;
      EXPECT_EQ(contents(target), text);
    }
    EXPECT_EQ(entries(dir_.path()), std::set<std::string>{name});
    fs::remove(target);
  }
}

TEST_P(ReplaceFileTest, ReplacedFileKeepsItsModeOwnerAndGroupANewOneTheUmasks) {
  const fs::path target = dir_.path() / "report.docx";
  const mode_t mask = ::umask(027);
  std::string reason;
  EXPECT_TRUE(replace(target.string(), "new", reason)) << reason;
  ::umask(mask);
  EXPECT_EQ(statusOf(target).st_mode & 07777, 0640u);

  // Only root may give a file to another user; the folder is a scratch one.
  const bool root = ::geteuid() == 0;
  const uid_t owner = root ? 12345 : ::geteuid();
  const gid_t group = root ? 23456 : ::getegid();
  ASSERT_EQ(::chown(target.c_str(), owner, group), 0);
  ASSERT_EQ(::chmod(target.c_str(), 02604), 0);  // set-group-id survives a change of owner
  EXPECT_TRUE(replace(target.string(), "newer", reason)) << reason;
  const struct stat status = statusOf(target);
  EXPECT_EQ(status.st_uid, owner);
  EXPECT_EQ(status.st_gid, group);
  EXPECT_EQ(status.st_mode & 07777, 02604u);
  EXPECT_EQ(contents(target), "newer");
  if (!root) std::cout << "another owner not tried: not running as root\n";
}

TEST_P(ReplaceFileTest, LinkIsFollowedAndStaysALink) {
  const fs::path file = dir_.write("report.docx", "old");
  fs::create_directory(dir_.path() / "links");
  fs::create_symlink("../report.docx", dir_.path() / "links" / "latest.docx");
  std::string reason;
  EXPECT_TRUE(replace((dir_.path() / "links" / "latest.docx").string(), "new", reason)) << reason;
  EXPECT_EQ(contents(file), "new");
  EXPECT_TRUE(fs::is_symlink(dir_.path() / "links" / "latest.docx"));
  EXPECT_EQ(entries(dir_.path() / "links"), std::set<std::string>{"latest.docx"});
  EXPECT_EQ(entries(dir_.path()), (std::set<std::string>{"links", "report.docx"}));
}

TEST_P(ReplaceFileTest, FailuresSayTheSystemsReasonAndLeaveNothing) {
  fs::create_directory(dir_.path() / "folder");
  fs::create_directory(dir_.path() / "locked");
  dir_.write("plain", "text");
  ASSERT_EQ(::mkfifo((dir_.path() / "fifo").c_str(), 0644), 0);
  struct Case {
    std::string target;
    std::string reason;
  };
  std::vector<Case> cases = {
      {"missing/report.docx", "No such file or directory"},
      {"plain/report.docx", "Not a directory"},
      {"folder", "Is a directory"},
      {"fifo", "not a regular file"},
      {std::string(256, 'n'), "File name too long"},
  };
  // Root writes into any folder; the mode says no only to others.
  ASSERT_EQ(::chmod((dir_.path() / "locked").c_str(), 0555), 0);
  if (::geteuid() != 0) cases.push_back({"locked/report.docx", "Permission denied"});
  const std::set<std::string> before = entries(dir_.path());
  for (const Case& c : cases) {
    std::string reason;
    EXPECT_FALSE(replace((dir_.path() / c.target).string(), "new", reason)) << c.target;
    EXPECT_EQ(reason, c.reason) << c.target;
  }
  EXPECT_EQ(entries(dir_.path()), before);
  EXPECT_TRUE(fs::is_empty(dir_.path() / "folder"));
  EXPECT_TRUE(fs::is_empty(dir_.path() / "locked"));
  EXPECT_EQ(contents(dir_.path() / "plain"), "text");
}

INSTANTIATE_TEST_SUITE_P(Ways, ReplaceFileTest, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "Unnamed" : "Named"; });

TEST(ReplaceFile, WholeContentsAtHand) {
  ScratchDir dir;
  const std::string target = (dir.path() / "chart.png").string();
  const std::string bytes("\x89PNG\r\n\x1a\n\0\0", 10);
  std::string reason;
  EXPECT_TRUE(replaceFile(target, bytes, reason)) << reason;
  EXPECT_EQ(contents(target), bytes);
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
