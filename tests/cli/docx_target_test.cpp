// Tests of what tarnek-cli --docx leaves at its target: after a kill at any moment, under a name
// as long as the file system allows, and over a file of another user's.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <set>
#include <thread>

#include "tests/cli/test_files.h"

namespace cli::testing {
namespace {

namespace fs = std::filesystem;

// A whole .docx: a ZIP archive from its first local header to its end-of-directory record.
bool isCompleteDocx(const std::string& bytes) {
  constexpr size_t kEndRecord = 22;  // without an archive comment, which the writer never adds
  return bytes.size() > kEndRecord && bytes.compare(0, 4, "PK\x03\x04") == 0 &&
         bytes.compare(bytes.size() - kEndRecord, 4, "PK\x05\x06") == 0;
}

// Starts tarnek-cli in `workDir` with its output to files in `logs`; the child's id.
pid_t startCli(const std::vector<std::string>& args, const fs::path& workDir,
               const fs::path& logs) {
  std::vector<std::string> texts{TARNEK_CLI_PATH};
  texts.insert(texts.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& text : texts) argv.push_back(text.data());
  argv.push_back(nullptr);
  std::string language = "LANG=C";
  char* const envp[] = {language.data(), nullptr};
  const std::string out = (logs / "out").string();
  const std::string err = (logs / "err").string();
  const pid_t child = fork();
  if (child == 0) {
    const int outFd = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int errFd = open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (outFd < 0 || errFd < 0 || chdir(workDir.c_str()) != 0) _exit(127);
    dup2(outFd, STDOUT_FILENO);
    dup2(errFd, STDERR_FILENO);
    execve(argv[0], argv.data(), envp);
    _exit(127);
  }
  return child;
}

// Runs tarnek-cli to its end; true when it exited with 0.
bool runsToTheEnd(const std::vector<std::string>& args, const fs::path& workDir,
                  const fs::path& logs) {
  int status = 0;
  return waitpid(startCli(args, workDir, logs), &status, 0) > 0 && WIFEXITED(status) &&
         WEXITSTATUS(status) == 0;
}

TEST(DocxTarget, KilledAtAnyMomentLeavesTheOldOrTheNewReportAndNothingElse) {
  TempDir dir;
  TempDir logs;
  fs::create_directory(dir.path() / "out");
  const fs::path target = dir.path() / "out" / "report.docx";
  const std::vector<std::string> args{"--docx", "out/report.docx", "Input.txt"};
  const std::string old = "an older report";

  // How long a whole run takes here, so that the kills fall anywhere in one; the first run may
  // pay for caches the second finds filled.
  std::chrono::steady_clock::duration whole = std::chrono::hours(1);
  for (int run = 0; run < 2; ++run) {
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(runsToTheEnd(args, dir.path(), logs.path())) << contents(logs.path() / "err");
    whole = std::min(whole, std::chrono::steady_clock::now() - start);
  }
  ASSERT_TRUE(isCompleteDocx(contents(target)));

  std::mt19937 random(std::random_device{}());
  // Half the kills anywhere in a run, half near its end, where the report is written. A run
  // here may be faster than the one measured (the measurement may have shared the machine with
  // more work); one that ends before its kill says so, and the moments are drawn from the
  // shorter length from then on, so that the kills still fall inside runs.
  long long length = std::chrono::duration_cast<std::chrono::microseconds>(whole).count();
  constexpr int kKills = 30;
  int kills = 0, replaced = 0, finished = 0;
  for (int attempt = 0; kills < kKills && attempt < 20 * kKills; ++attempt) {
    // Half the runs replace an older report, half write a new one.
    const bool replacing = attempt % 2 == 0;
    if (replacing)
      std::ofstream(target, std::ios::binary) << old;
    else
      fs::remove(target);
    std::uniform_int_distribution<long long> anywhere(0, length);
    std::uniform_int_distribution<long long> nearTheEnd(length * 6 / 10, length * 11 / 10);
    const long long moment = attempt / 2 % 2 == 0 ? anywhere(random) : nearTheEnd(random);
    const pid_t child = startCli(args, dir.path(), logs.path());
    ASSERT_GT(child, 0);
    std::this_thread::sleep_for(std::chrono::microseconds(moment));
    kill(child, SIGKILL);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    if (WIFSIGNALED(status)) {
      ++kills;
    } else {
      // Done within `moment`: whatever it left must still be whole, as checked below.
      ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << contents(logs.path() / "err");
      ++finished;
      length = std::max(1LL, std::min(length, moment));
    }

    const std::set<std::string> left = entries(dir.path() / "out");
    if (left.empty()) {
      EXPECT_FALSE(replacing) << "the older report was lost";
      EXPECT_TRUE(WIFSIGNALED(status)) << "a finished run left no report";
      continue;
    }
    EXPECT_EQ(left, std::set<std::string>{"report.docx"});
    const std::string report = contents(target);
    const bool isOld = replacing && report == old;
    EXPECT_TRUE(isOld || isCompleteDocx(report)) << report.size() << " bytes";
    if (!WIFSIGNALED(status)) {
      EXPECT_FALSE(isOld) << "a finished run kept the older report";
    }
    if (!isOld && WIFSIGNALED(status)) ++replaced;
  }
  EXPECT_EQ(kills, kKills);
  std::cout << kills << " kills over runs of "
            << std::chrono::duration_cast<std::chrono::milliseconds>(whole).count() << " ms ("
            << finished << " runs ended before their kill); " << replaced
            << " killed ones had written the new report\n";
}

TEST(DocxTarget, NameOf250BytesIsWritten) {
  TempDir dir;
  const std::string name = std::string(245, 'r') + ".docx";
  const std::set<std::string> before = entries(dir.path());
  for (int run = 0; run < 2; ++run) {  // new, then replaced
    const CliRun cli = runCli({"--docx", name, "Input.txt"}, dir.path());
    EXPECT_EQ(cli.status, 0) << cli.err;
    EXPECT_EQ(cli.err, "");
    EXPECT_TRUE(isCompleteDocx(contents(dir.path() / name)));
  }
  std::set<std::string> expected = before;
  expected.insert(name);
  EXPECT_EQ(entries(dir.path()), expected);
}

TEST(DocxTarget, ReportOfAnotherUserKeepsItsOwnerGroupAndMode) {
  if (geteuid() != 0) GTEST_SKIP() << "only root may give a file to another user";
  TempDir dir;
  const fs::path report = dir.path() / "report.docx";
  dir.write("report.docx", "an older report");
  ASSERT_EQ(chown(report.c_str(), 12345, 23456), 0);
  ASSERT_EQ(chmod(report.c_str(), 0640), 0);
  const CliRun cli = runCli({"--docx", "report.docx", "Input.txt"}, dir.path());
  EXPECT_EQ(cli.status, 0) << cli.err;
  struct stat status {};
  ASSERT_EQ(stat(report.c_str(), &status), 0);
  EXPECT_EQ(status.st_uid, 12345u);
  EXPECT_EQ(status.st_gid, 23456u);
  EXPECT_EQ(status.st_mode & 07777, 0640u);
  EXPECT_TRUE(isCompleteDocx(contents(report)));
}

}  // namespace
}  // namespace cli::testing
