// Tests of the per-file driver: the first run and the second run of --h/--xmin/--xmax.
#include "cli/batch_run.h"

#include <gtest/gtest.h>

#include "engine/critical_points.h"
#include "tests/cli/test_files.h"

namespace cli {
namespace {

class AnalyseFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    engine::RecordedView tableView;
    ASSERT_EQ(
        engine::loadCriticalPoints((dir_.path() / "exttable.txt").string(), table_, tableView),
        engine::TableLoad::Loaded);
  }

  testing::TempDir dir_;
  const std::string sample_ = (dir_.path() / "Input.txt").string();
  engine::CriticalPointTable table_;
};

TEST_F(AnalyseFileTest, OverridesRunAgainOnTheSampleInMemory) {
  struct Case {
    std::optional<float> h, xmin, xmax;
    std::vector<std::string> expectedStart;
  };
  const std::string fileLine = "Обрабатываю файл - " + sample_;
  const Case cases[] = {
      {std::nullopt,
       std::nullopt,
       std::nullopt,
       {"Загружено 100 элементов", fileLine, "Длина интервала 1"}},
      {2.0f,
       494.0f,
       506.0f,
       {fileLine, "Длина интервала 2", "Минимальный элемент равен 494",
        "Максимальный элемент равен 506", "Число интервалов равно 7"}},
      {std::nullopt,
       490.5f,
       std::nullopt,  // h and Xmax keep the loaded values
       {fileLine, "Длина интервала 1", "Минимальный элемент равен 490,5",
        "Максимальный элемент равен 504,24", "Число интервалов равно 14"}},
  };
  for (const Case& c : cases) {
    CliOptions options;
    options.intervalLength = c.h;
    options.xmin = c.xmin;
    options.xmax = c.xmax;
    engine::RecordedView view;
    EXPECT_EQ(analyseFile(sample_, table_, options, ',', view), engine::RunOutcome::Accepted);
    const auto& log = view.log();
    EXPECT_EQ(std::vector<std::string>(log.begin(),
                                       log.begin() + std::min(log.size(), c.expectedStart.size())),
              c.expectedStart);
  }
}

TEST_F(AnalyseFileTest, SecondRunThatStopsEarlyKeepsTheRowsOfTheFirst) {
  CliOptions options;
  options.intervalLength = 0.01f;  // far more than 20 intervals
  engine::RecordedView view;
  analyseFile(sample_, table_, options, '.', view);
  EXPECT_EQ(view.log().back(), "Слишком много интервалов");
  const auto rows = view.gridRows();
  EXPECT_EQ(rows.size(), 11u);  // header, 9 intervals and the summary of the first run
  for (const auto& row : rows)
    for (const std::string& cell : row) EXPECT_EQ(cell, "");
}

TEST_F(AnalyseFileTest, UnopenableFileKeepsItsLineDespiteOverrides) {
  CliOptions options;
  options.intervalLength = 2.0f;
  engine::RecordedView view;
  EXPECT_EQ(analyseFile((dir_.path() / "absent.txt").string(), table_, options, '.', view),
            engine::RunOutcome::FileNotOpened);
  EXPECT_EQ(view.log(), std::vector<std::string>{"Не смог открыть входной файл"});
}

}  // namespace
}  // namespace cli
