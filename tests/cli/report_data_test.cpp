// Tests of the plain data tarnek-cli hands the Word report module.
#include "cli/report_data.h"

#include <gtest/gtest.h>

#include "engine/texts.h"

namespace cli {
namespace {

TEST(ReportData, NamesTheSampleFromTheFirstProcessingLineThatNamesOne) {
  const std::string processing = engine::text::kProcessingFile;
  struct Case {
    std::vector<std::string> log;
    std::string name;
  };
  const Case cases[] = {
      {{}, ""},
      {{"Файл не найден"}, ""},
      {{processing + "a.txt", processing + "b.txt"}, "a.txt"},
      {{processing, processing + "b.txt"}, "b.txt"},
      {{"x " + processing + "a.txt"}, ""},
  };
  for (const Case& c : cases) {
    engine::RecordedView view;
    for (const std::string& line : c.log) view.appendLog(line);
    const ReportData data = reportData(view);
    EXPECT_EQ(data.sampleFileName, c.name) << (c.log.empty() ? "" : c.log.front());
    EXPECT_EQ(data.logLines, c.log);
  }
}

TEST(ReportData, CopiesEveryGridRowAndBothSeriesWithTheirColours) {
  engine::RecordedView view;
  view.setGridRowCount(2);
  view.setGridCell(10, 1, "0,25");
  view.appendPoint(engine::kHistogramSeries, 1.5, 2.0, "1,5", engine::Colour{1, 2, 3});
  view.appendPoint(engine::kCurveSeries, -0.25, 1e-7, "", engine::kRed);
  const ReportData data = reportData(view);

  EXPECT_EQ(data.columnCount, engine::kTableColumns);
  ASSERT_EQ(data.gridRows.size(), 2u);
  for (const auto& row : data.gridRows)
    EXPECT_EQ(row.size(), static_cast<size_t>(engine::kTableColumns));
  EXPECT_EQ(data.gridRows[1][10], "0,25");
  EXPECT_EQ(data.gridRows[0][10], "");

  ASSERT_EQ(data.histogram.size(), 1u);
  EXPECT_EQ(data.histogram[0].x, 1.5);
  EXPECT_EQ(data.histogram[0].y, 2.0);
  EXPECT_EQ(data.histogram[0].label, "1,5");
  EXPECT_EQ(data.histogram[0].colour, (engine::Colour{1, 2, 3}));
  ASSERT_EQ(data.curve.size(), 1u);
  EXPECT_EQ(data.curve[0].y, 1e-7);
  EXPECT_EQ(data.curve[0].colour, engine::kRed);
}

}  // namespace
}  // namespace cli
