// Tests of the chart's label rules that the window and the browser page share.
#include "engine/axis_labels.h"

#include <gtest/gtest.h>

#include <cmath>

namespace engine {
namespace {

TEST(DecimalsForStep, EnoughToTellTicksApartAndNoMoreThanSix) {
  struct Case {
    double step;
    int decimals;
  };
  for (const Case& c :
       {Case{1.0, 0}, Case{5.0, 0}, Case{0.5, 1}, Case{0.1, 1}, Case{0.05, 2}, Case{0.02, 2},
        Case{0.001, 3}, Case{1e-9, 6}, Case{0.0, 0}, Case{-0.1, 0}, Case{NAN, 0}}) {
    EXPECT_EQ(decimalsForStep(c.step), c.decimals) << c.step;
  }
}

TEST(LabelledEdges, ThinsEvenlyAndKeepsBothEndsWhenTheyFit) {
  const std::vector<double> edges{0, 1, 2, 3, 4, 5, 6, 7, 8};
  const std::vector<double> widths(edges.size(), 30.0);
  // 800 px: every label fits; 160 px (20 px per edge): every other one.
  EXPECT_EQ(labelledEdges(edges, widths, 800, 8).size(), edges.size());
  EXPECT_EQ(labelledEdges(edges, widths, 160, 8), (std::vector<size_t>{0, 2, 4, 6, 8}));
  EXPECT_EQ(labelledEdges(edges, widths, 10, 8), (std::vector<size_t>{0}));
  EXPECT_TRUE(labelledEdges({}, {}, 100, 8).empty());
}

}  // namespace
}  // namespace engine
