// The chart's axes: hidden on an empty chart, edge labels spread evenly and never crowded.
#include <QAreaSeries>
#include <QCategoryAxis>
#include <QCoreApplication>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QValueAxis>

#include "chart/analysis_chart.h"
#include "tests/ui/window_fixture.h"

namespace ui_test {
namespace {

struct LabelCase {
  const char* name;
  size_t edges;
  double labelWidth;
  double plotWidth;
  size_t labelled;
};

class LabelledEdges : public ::testing::TestWithParam<LabelCase> {};

TEST_P(LabelledEdges, SpreadEvenlyFromFirstToLastWithoutCrowding) {
  const LabelCase& c = GetParam();
  std::vector<double> edges;
  for (size_t i = 0; i < c.edges; ++i) edges.push_back(0.0002 * static_cast<double>(i));
  const std::vector<double> widths(c.edges, c.labelWidth);
  constexpr double kGap = 8.0;
  const std::vector<size_t> chosen =
      chart::AnalysisChart::labelledEdges(edges, widths, c.plotWidth, kGap, c.plotWidth);
  ASSERT_EQ(chosen.size(), c.labelled);
  // Qt Charts would cut none of them short.
  if (chosen.size() > 1) {
    EXPECT_LE(c.labelWidth, chart::AnalysisChart::labelShare(c.plotWidth, chosen.size()));
  }
  EXPECT_EQ(chosen.front(), 0u);
  if (chosen.size() < 2) return;
  EXPECT_EQ(chosen.back(), c.edges - 1);
  const double pixelsPerEdge = c.plotWidth / static_cast<double>(c.edges - 1);
  size_t fewest = c.edges;
  size_t most = 0;
  for (size_t j = 1; j < chosen.size(); ++j) {
    const size_t step = chosen[j] - chosen[j - 1];
    EXPECT_GE(static_cast<double>(step) * pixelsPerEdge, c.labelWidth + kGap);
    fewest = std::min(fewest, step);
    most = std::max(most, step);
  }
  EXPECT_LE(most - fewest, 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Axes, LabelledEdges,
    ::testing::Values(LabelCase{"RoomForAll", 5, 30, 400, 5},
                      LabelCase{"EveryThirdOrFourth", 21, 40, 400, 7},
                      LabelCase{"ScientificLabelsOnANarrowChart", 21, 60, 300, 3},
                      // Apart by their spacing, but each wider than Qt's share of the axis for
                      // 14 labels: 13 keep their whole text.
                      LabelCase{"CutShortByTheAxisShare", 14, 40, 680, 13},
                      LabelCase{"OnlyTheEnds", 12, 100, 350, 2},
                      LabelCase{"NotEvenTwo", 2, 100, 50, 1}, LabelCase{"OneEdge", 1, 30, 400, 1}),
    [](const ::testing::TestParamInfo<LabelCase>& info) { return std::string(info.param.name); });

class ChartAxes : public WindowTest {};

TEST_F(ChartAxes, EmptyChartShowsNoAxisAndARunShowsBoth) {
  writeTable();
  ui::TMainForm& form = start();  // no sample file: the run ends before the histogram
  EXPECT_FALSE(form.Chart->axisX()->isVisible());
  EXPECT_FALSE(form.Chart->axisY()->isVisible());
  EXPECT_TRUE(form.Chart->axisX()->categoriesLabels().isEmpty());

  writeSample("Input.txt", 1.0, acceptedSample());
  form.state().FileChanged = true;
  form.ProcessFile();
  EXPECT_TRUE(form.Chart->axisX()->isVisible());
  EXPECT_TRUE(form.Chart->axisY()->isVisible());
  EXPECT_FALSE(form.Chart->Series1->pointsVisible());
}

TEST_F(ChartAxes, NarrowerChartThinsTheEdgeLabelsAndKeepsTheFirst) {
  writeTable();
  writeSample("Input.txt", 0.0002,
              binnedSample(0.0001, 0.0002, {2, 5, 10, 17, 22, 18, 12, 8, 4, 2}));
  ui::TMainForm& form = start();
  form.show();  // a hidden window defers its resizes
  const QStringList wide = form.Chart->axisX()->categoriesLabels();
  ASSERT_GE(wide.size(), 2);
  form.Chart->resize(form.Chart->width() / 3, form.Chart->height());
  const QStringList narrow = form.Chart->axisX()->categoriesLabels();
  EXPECT_LT(narrow.size(), wide.size());
  ASSERT_FALSE(narrow.isEmpty());
  EXPECT_EQ(narrow.front(), wide.front());
}

TEST_F(ChartAxes, NoEdgeLabelIsCutShortAtAnyWidth) {
  writeTable();
  // Fourteen edges with five-digit labels (152.35 to 184.85), as body heights in cm give.
  writeSample("Input.txt", 2.5,
              binnedSample(152.35, 2.5, {1, 3, 2, 4, 8, 12, 18, 14, 8, 3, 7, 2, 1}));
  ui::TMainForm& form = start();
  form.show();
  // The labels' spacing allows more of them than Qt Charts gives room to in a band of widths
  // only, so every width is tried.
  for (int width = 360; width <= 1200; width += 6) {
    SCOPED_TRACE(width);
    form.Chart->resize(width, form.Chart->height());
    QCoreApplication::sendPostedEvents();
    form.Chart->grab();  // lays the axes out as a paint would
    int shown = 0;
    for (const QGraphicsItem* item : form.Chart->scene()->items()) {
      const auto* label = dynamic_cast<const QGraphicsTextItem*>(item);
      if (label == nullptr || !label->isVisible() || label->toPlainText().isEmpty()) continue;
      ++shown;
      EXPECT_FALSE(label->toPlainText().endsWith(QStringLiteral("...")))
          << label->toPlainText().toStdString();
    }
    EXPECT_GE(shown, 3);  // the title and at least two labels on each axis
  }
}

}  // namespace
}  // namespace ui_test
