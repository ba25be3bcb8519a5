// Tests that run the built tarnek-cli on odd inputs and targets: what it reads, what it refuses
// to write, and how it says so.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "tests/cli/test_files.h"

namespace cli::testing {
namespace {

namespace fs = std::filesystem;

bool startsWith(const std::string& text, const std::string& start) {
  return text.compare(0, start.size(), start) == 0;
}

bool contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

class CliFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    sample_ = contents(dir_.path() / "Input.txt");
    table_ = contents(dir_.path() / "exttable.txt");
  }
  // Nothing the companion was given to read may have changed.
  void expectInputsUnchanged() const {
    EXPECT_EQ(contents(dir_.path() / "Input.txt"), sample_);
    EXPECT_EQ(contents(dir_.path() / "exttable.txt"), table_);
  }
  // No temporary file of a report was left behind, by its own name or by one of the target's.
  void expectNoLeftovers(const fs::path& folder) const {
    for (const auto& entry : fs::directory_iterator(folder)) {
      const std::string name = entry.path().filename().string();
      EXPECT_FALSE(startsWith(name, ".tnk") || (startsWith(name, ".") && contains(name, ".docx.")))
          << entry.path();
    }
  }

  TempDir dir_;
  std::string sample_;
  std::string table_;
};

TEST_F(CliFilesTest, DirectoryAsFileFailsToOpenLikeAMissingFile) {
  fs::create_directory(dir_.path() / "folder");
  for (const bool json : {false, true}) {
    std::vector<std::string> args{"folder"};
    if (json) args.insert(args.begin(), "--json");
    const CliRun run = runCli(args, dir_.path());
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(json ? contains(run.out, R"("log":["Не смог открыть входной файл"])")
                     : startsWith(run.out, "Не смог открыть входной файл\n\n"))
        << run.out;
  }
}

TEST_F(CliFilesTest, LogSaysWhereReadingStoppedAndSkipsByteOrderMarks) {
  dir_.write("comma.txt",
             "\xEF\xBB\xBF"
             "2\n10 11\n12,5 14\n");
  dir_.write("bom-table.txt", "\xEF\xBB\xBF" + table_);
  const CliRun run = runCli({"--json", "--table", "bom-table.txt", "comma.txt"}, dir_.path());
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");  // the table loaded despite its mark
  EXPECT_TRUE(contains(
      run.out, R"({"file":"comma.txt","messages":[],"log":["Загружено 3 элементов",)"
               R"("Чтение файла остановлено в строке 3 на «,5»","Обрабатываю файл - comma.txt",)"))
      << run.out;
}

// A number of 2^26 digits is refused after its first thousand, as text that is not a number is.
TEST_F(CliFilesTest, EndlessNumberStopsTheSampleOrTheTableLikeABadToken) {
  const std::string endless(size_t{1} << 26, '7');
  dir_.write("endless.txt", "1\n5 6\n" + endless + " 8\n");
  const CliRun sample = runCli({"endless.txt"}, dir_.path());
  EXPECT_EQ(sample.status, 0) << sample.err;
  EXPECT_TRUE(startsWith(sample.out,
                         "Загружено 2 элементов\n"
                         "Чтение файла остановлено в строке 3 на «77777777777777777777…»\n"))
      << sample.out.substr(0, 200);

  // Row 4's 5 % point: the table is read up to it, and is a bad table, as one with a letter.
  const size_t row4 = table_.find("\n4 ") + 1;
  std::istringstream fields(table_.substr(row4, table_.find('\n', row4) - row4));
  std::string number, first, second;
  fields >> number >> first >> second;
  dir_.write("endless-table.txt", table_.substr(0, row4) + "4 " + first + " " + second + " " +
                                      endless + table_.substr(table_.find('\n', row4)));
  const CliRun table = runCli({"--table", "endless-table.txt", "Input.txt"}, dir_.path());
  EXPECT_EQ(table.status, 1);
  EXPECT_EQ(table.err, "Не правильный формат таблицы\n");
  EXPECT_TRUE(startsWith(table.out, "Загружено 100 элементов\n"));
}

TEST_F(CliFilesTest, DocxTargetThatIsAnInputIsRefusedAndLeftAsItWas) {
  fs::create_symlink("Input.txt", dir_.path() / "link.txt");
  fs::create_hard_link(dir_.path() / "exttable.txt", dir_.path() / "table-copy.txt");
  fs::create_directory(dir_.path() / "sub");
  struct Case {
    std::vector<std::string> args;
    int status;
    std::string target;  // named in the message
  };
  const Case cases[] = {
      {{"--docx", "Input.txt", "Input.txt"}, 2, "Input.txt"},
      {{"--docx", "./sub/../Input.txt", "Input.txt"}, 2, "./sub/../Input.txt"},
      {{"--docx", "link.txt", "Input.txt"}, 2, "link.txt"},
      {{"--docx", "Input.txt", "link.txt"}, 2, "Input.txt"},
      {{"--docx", "exttable.txt", "Input.txt"}, 2, "exttable.txt"},
      {{"--docx", "table-copy.txt", "Input.txt"}, 2, "table-copy.txt"},
      {{"--table", "table-copy.txt", "--docx", "exttable.txt", "Input.txt"}, 2, "exttable.txt"},
      // Swapped: the "sample" report.docx does not exist, so no report is written at all.
      {{"--docx", "Input.txt", "report.docx"}, 1, ""},
  };
  for (const Case& c : cases) {
    const CliRun run = runCli(c.args, dir_.path());
    EXPECT_EQ(run.status, c.status) << c.args[1];
    if (c.status == 2) {
      EXPECT_TRUE(startsWith(run.err, "tarnek-cli: --docx " + c.target + " ")) << run.err;
      EXPECT_EQ(run.out, "");
    }
    expectInputsUnchanged();
    EXPECT_TRUE(fs::is_symlink(dir_.path() / "link.txt"));
  }
  EXPECT_FALSE(fs::exists(dir_.path() / "report.docx"));
  expectNoLeftovers(dir_.path());
}

TEST_F(CliFilesTest, PdfAndChartTargetsThatAreInputsAreRefusedToo) {
  // Inputs whose names end as the outputs' do, so only their being inputs stops the write.
  dir_.write("sample.pdf", sample_);
  dir_.write("table.svg", table_);
  fs::create_directory(dir_.path() / "sub");
  const std::string sample = contents(dir_.path() / "sample.pdf");
  const std::vector<std::string> cases[] = {
      {"--pdf", "sample.pdf", "sample.pdf"},
      {"--chart", "sample.pdf", "sample.pdf"},
      {"--table", "table.svg", "--chart", "table.svg", "Input.txt"},
      {"--pdf", "r.pdf", "--chart", "./sub/../sample.pdf", "sample.pdf"},
  };
  for (const std::vector<std::string>& args : cases) {
    const CliRun run = runCli(args, dir_.path());
    EXPECT_EQ(run.status, 2) << args[1];
    EXPECT_TRUE(contains(run.err, " is an input file; writing it would destroy it")) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(contents(dir_.path() / "sample.pdf"), sample);
    EXPECT_EQ(contents(dir_.path() / "table.svg"), table_);
  }
  EXPECT_FALSE(fs::exists(dir_.path() / "r.pdf"));  // nothing was written at all
  expectInputsUnchanged();
}

TEST_F(CliFilesTest, AFileThatDoesNotOpenIsNamedWithTheSystemsReason) {
  fs::create_directory(dir_.path() / "folder");
  ASSERT_EQ(mkfifo((dir_.path() / "fifo").c_str(), 0644), 0);
  const std::pair<std::string, std::string> cases[] = {
      {"missing.txt", "No such file or directory"},
      {"folder", "Is a directory"},
      {"fifo", "not a regular file"},
      {"Input.txt/inside", "Not a directory"},
  };
  const CliRun missing = runCli({"missing.txt"}, dir_.path());
  ASSERT_TRUE(startsWith(missing.out, "Не смог открыть входной файл\n\n"));
  for (const auto& [file, reason] : cases) {
    const CliRun run = runCli({file}, dir_.path());
    EXPECT_EQ(run.status, 1) << file;
    EXPECT_EQ(run.err, "tarnek-cli: cannot open " + file + ": " + reason + "\n");
    // Standard output is what it always was for a file that did not open.
    EXPECT_EQ(run.out, missing.out) << file;
  }
}

TEST_F(CliFilesTest, TargetThatIsNotARegularFileIsRefusedAndLeftAlone) {
  const fs::path folder = dir_.path();
  ASSERT_EQ(mkfifo((folder / "fifo").c_str(), 0644), 0);
  fs::create_directory(folder / "folder");
  const int listener = socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const std::string socketPath = (folder / "socket").string();
  ASSERT_LT(socketPath.size(), sizeof address.sun_path);
  socketPath.copy(address.sun_path, socketPath.size());
  ASSERT_EQ(bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
  std::vector<std::pair<std::string, fs::file_type>> targets = {
      {"fifo", fs::file_type::fifo},
      {"folder", fs::file_type::directory},
      {"socket", fs::file_type::socket},
  };
  // Only root may make a device node; it is made here, never touched in /dev.
  if (geteuid() == 0 && mknod((folder / "device").c_str(), S_IFCHR | 0644, makedev(1, 3)) == 0)
    targets.emplace_back("device", fs::file_type::character);
  else
    std::cout << "device node case skipped: not running as root\n";

  for (const auto& [name, type] : targets) {
    for (const char* option : {"--docx", "--pdf"}) {
      const CliRun run = runCli({option, name, "Input.txt"}, folder);
      EXPECT_EQ(run.status, 1) << name;
      EXPECT_TRUE(startsWith(run.err, "tarnek-cli: cannot write the report to " + name + ": "))
          << run.err;
      EXPECT_TRUE(startsWith(run.out, "Загружено 100 элементов\n"));  // the analysis is printed
      EXPECT_EQ(fs::symlink_status(folder / name).type(), type) << name;
    }
  }
  EXPECT_TRUE(fs::is_empty(folder / "folder"));
  close(listener);
  expectInputsUnchanged();
  expectNoLeftovers(folder);
}

TEST_F(CliFilesTest, ExistingReportIsReplacedWholeKeepingItsPermissions) {
  const fs::path report = dir_.path() / "report.docx";
  dir_.write("report.docx", "an older report");
  fs::permissions(report, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  fs::create_symlink("report.docx", dir_.path() / "latest.docx");
  for (const char* target : {"report.docx", "latest.docx"}) {
    const CliRun run = runCli({"--docx", target, "Input.txt"}, dir_.path());
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(startsWith(contents(report), "PK\x03\x04")) << target;
    EXPECT_EQ(fs::status(report).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  }
  EXPECT_TRUE(fs::is_symlink(dir_.path() / "latest.docx"));  // the link still names the report
  expectNoLeftovers(dir_.path());
}

TEST_F(CliFilesTest, NoReportWithoutASample) {
  const CliRun run = runCli({"--docx", "report.docx", "missing.txt"}, dir_.path());
  EXPECT_EQ(run.status, 1);
  EXPECT_FALSE(fs::exists(dir_.path() / "report.docx"));
  expectNoLeftovers(dir_.path());
}

TEST_F(CliFilesTest, FullStandardOutputIsAFailureWithTheSystemsReason) {
  // Standard output is redirected to the full device, as a shell would; nothing is written to it
  // by path.
  const CliRun run = runCli({"--json", "Input.txt"}, dir_.path(), {"LANG=C"}, "/dev/full");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "tarnek-cli: cannot write to standard output: No space left on device\n");
}

}  // namespace
}  // namespace cli::testing
