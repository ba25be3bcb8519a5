// tarnek-cli finds its table in the working directory first, then in the installed data folder,
// and says in its exit status when it had none or a malformed one.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "tests/cli/test_files.h"

namespace cli {
namespace {

using testing::CliRun;
using testing::runCli;

enum class Table { None, Shipped, Malformed, ZeroPointFive };

void writeTable(Table table, const std::filesystem::path& file) {
  std::filesystem::create_directories(file.parent_path());
  switch (table) {
    case Table::None:
      return;
    case Table::Shipped:
      std::filesystem::copy_file(std::filesystem::path(TARNEK_DATA_DIR) / "exttable.txt", file);
      return;
    case Table::Malformed:
      std::ofstream(file) << "1 1 2 3 4 5 6\n3 1 2 3 4 5 6\n";
      return;
    case Table::ZeroPointFive: {
      std::ofstream out(file);
      for (int row = 1; row <= 30; ++row) out << row << " 0.1 0.2 0.5 0.6 0.7 0.8\n";
      return;
    }
  }
}

struct LookupCase {
  const char* name;
  Table here;       // exttable.txt in the working directory
  Table installed;  // tarnek/exttable.txt under XDG_DATA_DIRS
  std::vector<std::string> options;
  int status;
  const char* verdict;  // a piece of the verdict line, or the line saying there is none
  const char* message;  // what goes to stderr
};

const char* const kAccepted =
    "меньше чем Xk(7-3)= 9.488. Гипотеза о нормальном распределении принята.";
const char* const kAgainstHalf =
    "больше чем Xk(7-3)= 0.5. Гипотеза о нормальном распределении отвергнута.";
// Without a table every point reads as 0, and there is no verdict against that.
const char* const kNoPoint =
    "Нет критической точки для 4 степеней свободы: проверка гипотезы невозможна\n";

const LookupCase kCases[] = {
    {"WorkingDirectoryFirst", Table::ZeroPointFive, Table::Shipped, {}, 0, kAgainstHalf, ""},
    {"InstalledWhenNoneHere", Table::None, Table::Shipped, {}, 0, kAccepted, ""},
    {"MalformedHereIsNotReplaced",
     Table::Malformed,
     Table::Shipped,
     {},
     1,
     kNoPoint,
     "Не правильный формат таблицы\n"},
    {"NoTableAnywhere",
     Table::None,
     Table::None,
     {},
     1,
     kNoPoint,
     "Не смог загрузить таблицу крит точек\n"},
    {"MissingGivenTableIsNotReplaced",
     Table::Shipped,
     Table::Shipped,
     {"--table", "gone.txt"},
     1,
     kNoPoint,
     "Не смог загрузить таблицу крит точек\n"},
};

void PrintTo(const LookupCase& param, std::ostream* out) { *out << param.name; }

class TableLookup : public ::testing::TestWithParam<LookupCase> {};

TEST_P(TableLookup, PrintsTheResultsAndSaysInTheStatusWhetherTheTableWasRead) {
  const LookupCase& param = GetParam();
  testing::TempDir dir;
  const std::filesystem::path data = dir.path() / "share";
  std::filesystem::remove(dir.path() / "exttable.txt");
  writeTable(param.here, dir.path() / "exttable.txt");
  writeTable(param.installed, data / "tarnek" / "exttable.txt");
  std::filesystem::create_directories(data);

  std::vector<std::string> args = param.options;
  args.push_back("Input.txt");
  const CliRun run = runCli(args, dir.path(), {"LANG=C", "XDG_DATA_DIRS=" + data.string()});

  EXPECT_EQ(run.status, param.status);
  EXPECT_EQ(run.err, param.message);
  EXPECT_EQ(run.out.rfind("Загружено 100 элементов\n", 0), 0u) << run.out;
  EXPECT_NE(run.out.find(param.verdict), std::string::npos) << run.out;
}

INSTANTIATE_TEST_SUITE_P(Places, TableLookup, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace cli
