// Tests of the sample reader and the critical-point table loader.
#include <gtest/gtest.h>

#include <sstream>

#include "engine/critical_points.h"
#include "engine/recorded_view.h"
#include "engine/sample_reader.h"
#include "engine/texts.h"
#include "tests/engine/test_files.h"

namespace engine {
namespace {

struct SampleCase {
  const char* name;
  const char* contents;
  float intervalLength;
  std::vector<float> values;
};

class SampleReaderTest : public ::testing::TestWithParam<SampleCase> {};

TEST_P(SampleReaderTest, ReadsIntervalLengthThenValuesUntilABadToken) {
  const SampleCase& c = GetParam();
  AnalysisState state;
  state.IntervalLength = 7.0f;  // kept when the file has no readable first number
  std::istringstream in(c.contents);
  readSample(in, state);
  EXPECT_EQ(state.IntervalLength, c.intervalLength);
  ASSERT_EQ(state.SampleCount, static_cast<int32_t>(c.values.size()));
  for (size_t i = 0; i < c.values.size(); ++i) EXPECT_EQ(state.Sample[i], c.values[i]) << i;
}

INSTANTIATE_TEST_SUITE_P(
    Files, SampleReaderTest,
    ::testing::Values(
        SampleCase{"OnOneLine", "2 10 12 14", 2.0f, {10.0f, 12.0f, 14.0f}},
        SampleCase{"OnePerLineWithFinalNewline", "2\n10\n12\n14\n", 2.0f, {10.0f, 12.0f, 14.0f}},
        SampleCase{"TabsAndCarriageReturns", "2\r\n10\t12\r\n14", 2.0f, {10.0f, 12.0f, 14.0f}},
        SampleCase{"DecimalCommaEndsReading", "2 10,5 12 14", 2.0f, {10.0f}},
        SampleCase{"BadTokenMidFile", "0.5 1.25 x 3", 0.5f, {1.25f}},
        SampleCase{"OverflowingNumberEndsReading", "1 4 1e50 5", 1.0f, {4.0f}},
        SampleCase{"ExponentsAndSigns", "+1e-1 -2.5E1 .5", 0.1f, {-25.0f, 0.5f}},
        SampleCase{"OnlyIntervalLength", "0.25\n", 0.25f, {}},
        SampleCase{"EmptyFile", "", 7.0f, {}},
        SampleCase{"FirstNumberUnreadable", "abc 1 2", 7.0f, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SampleReader, StoresAtMost200ValuesAndKeepsHigherSlots) {
  AnalysisState state;
  std::ostringstream text;
  text << "1";
  for (int i = 0; i < 250; ++i) text << ' ' << i;
  std::istringstream first(text.str());
  readSample(first, state);
  EXPECT_EQ(state.SampleCount, 200);
  EXPECT_EQ(state.Sample[199], 199.0f);

  std::istringstream shorter("1 -1 -2");
  readSample(shorter, state);
  EXPECT_EQ(state.SampleCount, 2);
  EXPECT_EQ(state.Sample[1], -2.0f);
  EXPECT_EQ(state.Sample[2], 2.0f);  // left from the longer load, never read by a run
}

std::string tableText(int records, int badRecord = 0) {
  std::ostringstream out;
  for (int d = 1; d <= records; ++d) {
    out << (d == badRecord ? d + 1 : d);
    for (int c = 1; c <= 6; ++c) out << ' ' << d * 10 + c << ".5";
    out << '\n';
  }
  return out.str();
}

float tableValue(int row, int column) { return static_cast<float>(row * 10 + column) + 0.5f; }

struct TableCase {
  const char* name;
  std::string contents;
  TableLoad result;
  int rowsLoaded;
};

class CriticalPointsTest : public ::testing::TestWithParam<TableCase> {};

TEST_P(CriticalPointsTest, LoadsRowsUpToTheFirstBadRecordNumber) {
  const TableCase& c = GetParam();
  testing::TempDir dir;
  RecordedView view;
  CriticalPointTable table;
  EXPECT_EQ(loadCriticalPoints(dir.write("exttable.txt", c.contents), table, view), c.result);
  if (c.result == TableLoad::Loaded) {
    EXPECT_TRUE(view.messages().empty());
  } else {
    EXPECT_EQ(view.messages(), std::vector<std::string>{text::kTableBadFormat});
  }
  for (int row = 1; row <= kCriticalPointRows; ++row)
    for (int column = 1; column <= kCriticalPointColumns; ++column)
      EXPECT_EQ(table.at(row, column), row <= c.rowsLoaded ? tableValue(row, column) : 0.0f)
          << row << ',' << column;
}

std::string onOneLine(std::string text) {
  for (char& ch : text)
    if (ch == '\n') ch = ' ';
  return text;
}

INSTANTIATE_TEST_SUITE_P(
    Tables, CriticalPointsTest,
    ::testing::Values(TableCase{"ThirtyRecords", tableText(30), TableLoad::Loaded, 30},
                      TableCase{"AllOnOneLine", onOneLine(tableText(30)), TableLoad::Loaded, 30},
                      TableCase{"MoreThanThirtyRecords", tableText(34), TableLoad::Loaded, 30},
                      TableCase{"RecordFiveNumberedSix", tableText(30, 5), TableLoad::BadFormat, 4},
                      TableCase{"TwentyNineRecords", tableText(29), TableLoad::BadFormat, 29},
                      TableCase{"Empty", "", TableLoad::BadFormat, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CriticalPoints, DecimalCommasFailAtTheSecondRecord) {
  testing::TempDir dir;
  RecordedView view;
  CriticalPointTable table;
  const auto path = dir.write("t.txt", "1 3,84 5,02 6,63 0,1 0,2 0,3\n2 1 2 3 4 5 6\n");
  EXPECT_EQ(loadCriticalPoints(path, table, view), TableLoad::BadFormat);
  EXPECT_EQ(view.messages(), std::vector<std::string>{text::kTableBadFormat});
  EXPECT_EQ(table.at(1, 1), 3.0f);
  for (int column = 2; column <= kCriticalPointColumns; ++column)
    EXPECT_EQ(table.at(1, column), 0.0f);
}

TEST(CriticalPoints, MissingFileOrDirectoryShowsItsMessageAndLeavesZeros) {
  testing::TempDir dir;
  for (const std::string& path : {dir.file("absent.txt"), dir.file("")}) {
    RecordedView view;
    CriticalPointTable table;
    table.cells[1][3] = 9.0f;
    EXPECT_EQ(loadCriticalPoints(path, table, view), TableLoad::NotOpened) << path;
    EXPECT_EQ(view.messages(), std::vector<std::string>{text::kTableNotOpened});
    EXPECT_EQ(table.at(1, 3), 0.0f);
  }
}

TEST(CriticalPoints, AShortLastRowIsAcceptedWithoutAMessage) {
  testing::TempDir dir;
  RecordedView view;
  CriticalPointTable table;
  std::string text = tableText(29) + "30 1 2";
  EXPECT_EQ(loadCriticalPoints(dir.write("t.txt", text), table, view), TableLoad::Loaded);
  EXPECT_TRUE(view.messages().empty());
  EXPECT_EQ(table.at(30, 2), 2.0f);
  EXPECT_EQ(table.at(30, 3), 0.0f);
}

}  // namespace
}  // namespace engine
