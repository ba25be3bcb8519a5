// Tests of the plain and JSON reports of one file.
#include "engine/output/file_report.h"

#include <gtest/gtest.h>

#include "engine/output/text_table.h"

namespace engine {
namespace {

// Two log lines, a grid grown to 2 rows with a cell set beyond them, and a
// point on each series.
engine::RecordedView smallRun() {
  engine::RecordedView view;
  view.appendLog("a");
  view.appendLog("b\"");
  view.setGridRowCount(2);
  view.setGridCell(0, 0, "1");
  view.setGridCell(1, 1, "0,25");
  view.setGridCell(0, 5, "hidden");
  view.appendPoint(engine::kHistogramSeries, 1.5, 2.0, "", engine::kRed);
  view.appendPoint(engine::kCurveSeries, -0.25, 1e-7, "", engine::kRed);
  return view;
}

TEST(AppendPlainReport, PrintsLogBlankLineAndAlignedGrid) {
  std::string out;
  appendPlainReport(out, smallRun());
  EXPECT_EQ(out, "a\nb\"\n\n1\n   0,25\n");
}

TEST(AppendJsonReport, PrintsEveryRowThatExistsInKeyOrder) {
  std::string out;
  appendJsonReport(out, "f.txt", {"m"}, smallRun());
  const std::string nineEmpty = R"(,"","","","","","","","","")";
  EXPECT_EQ(out, R"({"file":"f.txt","messages":["m"],"log":["a","b\""],"grid":[["1","")" +
                     nineEmpty + R"(],["","0,25")" + nineEmpty +
                     R"(]],"histogram":[[1.5,2]],"curve":[[-0.25,1e-07]]})" + "\n");
}

TEST(AppendTextTable, MeasuresCellsInCodePoints) {
  std::string out;
  appendTextTable(out, {{"ж", "x"}, {"ab", "y"}, {"", ""}});
  EXPECT_EQ(out, " ж  x\nab  y\n\n");
}

}  // namespace
}  // namespace engine
