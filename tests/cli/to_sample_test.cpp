// Tests of tarnek-cli --to-sample: what it writes for the shapes data come in, and what it refuses.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "tests/cli/test_files.h"

namespace cli::testing {
namespace {

namespace fs = std::filesystem;

struct ToSampleCase {
  const char* name;
  std::string input;
  std::vector<std::string> options;   // before IN
  std::string written;                // OUT.txt afterwards; empty: not written
  std::vector<std::string> reported;  // lines standard error must hold
};

class ToSampleTest : public ::testing::TestWithParam<ToSampleCase> {};

TEST_P(ToSampleTest, WritesTheSampleAndSaysWhatItRead) {
  const ToSampleCase& c = GetParam();
  TempDir dir;
  const std::string in = dir.write("in.txt", c.input);
  std::vector<std::string> args = {"--to-sample", "out.txt"};
  args.insert(args.end(), c.options.begin(), c.options.end());
  args.push_back(in);
  const CliRun run = runCli(args, dir.path());
  EXPECT_EQ(run.status, c.written.empty() ? 1 : 0) << run.err;
  EXPECT_EQ(run.out, "");
  if (c.written.empty())
    EXPECT_FALSE(fs::exists(dir.path() / "out.txt"));
  else
    EXPECT_EQ(contents(dir.path() / "out.txt"), c.written);
  for (const std::string& line : c.reported)
    EXPECT_NE(run.err.find(line + "\n"), std::string::npos) << line << "\n in:\n" << run.err;
  EXPECT_EQ(contents(in), c.input);
}

std::string manyValues(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += std::to_string(150 + i % 40) + ",5\n";
  return text;
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, ToSampleTest,
    ::testing::Values(
        ToSampleCase{"SemicolonCsvWithHeader",
                     "Масса;Номер\n167,2;1\n170,1;2\n165,3;3\n168,4;4\n",
                     {},
                     "1.6\n167.2 170.1 165.3 168.4\n",
                     {"Значений 4, от 165.3 до 170.1; десятичный разделитель — запятая",
                      "Столбец 1 из 2", "Пропущена строка 1 (нет чисел): «Масса;Номер»",
                      "Длина интервала 1.6 по правилу Стёрджеса, интервалов 4"}},
        ToSampleCase{"LengthGivenWithAComma",
                     "1,5 2,5\n3,5\n",
                     {"--h", "0,5"},
                     "0.5\n1.5 2.5 3.5\n",
                     {"Длина интервала 0.5, интервалов 5"}},
        ToSampleCase{"ColumnChosen",
                     "1\t5.25\n2\t5.5\n",
                     {"--column", "1", "--h", "1"},
                     "1\n1 2\n",
                     {"Столбец 1 из 2"}},
        ToSampleCase{"TsvIndexColumnPassedOver",
                     "№\tx\n1\t5.25\n2\t5.5\n3\t4.75\n",
                     {"--h", "0.25"},
                     "0.25\n5.25 5.5 4.75\n",
                     {"Столбец 2 из 2", "Столбец 1 похож на номера 1, 2, 3, … и пропущен"}},
        ToSampleCase{"DecimalPointSplitsAtCommas",
                     "1,5 2,5\n",
                     {"--decimal", "point", "--h", "1"},
                     "1\n1 5 2 5\n",
                     {}},
        ToSampleCase{"OwnFormatKeepsItsLength",
                     "2\n10 12\n14 11\n",
                     {},
                     "2\n10 12 14 11\n",
                     {"Строка 1: первое число 2 стоит отдельно и принято за длину интервала",
                      "Длина интервала 2, интервалов 3"}},
        ToSampleCase{"Utf16Export",
                     std::string("\xFF\xFE"
                                 "1\0,\0"
                                 "5\0\r\0\n\0"
                                 "2\0",
                                 14),
                     {"--h", "1"},
                     "1\n1.5 2\n",
                     {"Значений 2, от 1.5 до 2; десятичный разделитель — запятая"}},
        ToSampleCase{"GroupedSeries",
                     "Интервал;Частота\n[154; 158);1\n[158; 162);3\n[162; 166);2\n",
                     {"--grouped"},
                     "4\n154 160 160 160 164 164\n",
                     {"Интервальный ряд: интервалов 3, значений 6, от 154 до 166; десятичный "
                      "разделитель — точка",
                      "Длина интервала 4, интервалов 3"}},
        ToSampleCase{"Empty", "", {}, "", {"nothing written: Не найдено ни одного числа"}},
        ToSampleCase{"Garbage",
                     "\x01\x02zz\n;;\n",
                     {},
                     "",
                     {"Пропущена строка 1 (нет чисел): «\x01\x02zz»"}},
        ToSampleCase{"Values201",
                     manyValues(201),
                     {},
                     "",
                     {"Значений 201, а программа обрабатывает не больше 200: сократите выборку, "
                      "лишние значения не отбрасываются"}},
        ToSampleCase{"Values350",
                     manyValues(350),
                     {},
                     "",
                     {"Значений 350, а программа обрабатывает не больше 200: сократите выборку, "
                      "лишние значения не отбрасываются"}},
        ToSampleCase{"GroupedUnequal",
                     "154-158 5\n158-163 8\n",
                     {"--grouped"},
                     "",
                     {"Строка 2: длина интервала 5 не равна длине первого интервала"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ToSample, TheWrittenFileIsAnalysedAsRead) {
  TempDir dir;
  dir.write("in.csv", "Масса;Номер\n167,2;1\n170,1;2\n165,3;3\n168,4;4\n");
  ASSERT_EQ(runCli({"--to-sample", "s.txt", "in.csv"}, dir.path()).status, 0);
  const CliRun run = runCli({"s.txt"}, dir.path());
  EXPECT_NE(run.out.find("Загружено 4 элементов\n"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("Минимальный элемент равен 165.3\n"), std::string::npos) << run.out;
}

TEST(ToSample, RefusesToWriteOverItsInputByAnyName) {
  TempDir dir;
  const std::string in = dir.write("in.txt", "1 2 3\n");
  fs::create_symlink(in, dir.path() / "link.txt");
  for (const std::string out : {"in.txt", "link.txt", "./in.txt"}) {
    const CliRun run = runCli({"--to-sample", out, "in.txt"}, dir.path());
    EXPECT_EQ(run.status, 2) << out;
    EXPECT_NE(run.err.find("is the input file"), std::string::npos) << run.err;
    EXPECT_EQ(contents(in), "1 2 3\n");
  }
}

TEST(ToSample, ReplacesAnOldSampleButNoDirectory) {
  TempDir dir;
  dir.write("in.txt", "1 2 3\n");
  const std::string old = dir.write("old.txt", "old contents\n");
  ::chmod(old.c_str(), 0640);
  EXPECT_EQ(runCli({"--to-sample", "old.txt", "--h", "1", "in.txt"}, dir.path()).status, 0);
  EXPECT_EQ(contents(old), "1\n1 2 3\n");
  EXPECT_EQ(fs::status(old).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  fs::create_directory(dir.path() / "folder");
  const CliRun run = runCli({"--to-sample", "folder", "in.txt"}, dir.path());
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("cannot write folder"), std::string::npos) << run.err;
  EXPECT_TRUE(fs::is_directory(dir.path() / "folder"));
}

TEST(ToSample, UnreadableInputsAreNamed) {
  TempDir dir;
  fs::create_directory(dir.path() / "folder");
  dir.write("book.xlsx", std::string("PK\x03\x04", 4) + "rest");
  const std::pair<const char*, const char*> cases[] = {
      {"missing.txt", "cannot read missing.txt"},
      {"folder", "cannot read folder"},
      {"book.xlsx", "book.xlsx is a spreadsheet"},
  };
  for (const auto& [in, said] : cases) {
    const CliRun run = runCli({"--to-sample", "out.txt", in}, dir.path());
    EXPECT_EQ(run.status, 1) << in;
    EXPECT_NE(run.err.find(said), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists(dir.path() / "out.txt"));
  }
}

}  // namespace
}  // namespace cli::testing
