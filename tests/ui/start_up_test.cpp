// Start-up of the windows with and without their files, and what a run shows.
#include "ui/start_up.h"

#include <QAreaSeries>
#include <QLineEdit>
#include <QLineSeries>
#include <QPlainTextEdit>

#include "chart/analysis_chart.h"
#include "tests/ui/window_fixture.h"
#include "ui/options/opt_form.h"
#include "ui/results/result_grid.h"

namespace ui_test {
namespace {

enum class TableFile { Good, Missing, BadRecordNumber };

struct StartUpCase {
  const char* name;
  TableFile table;
  bool sample;
  std::vector<QString> messages;
};

void PrintTo(const StartUpCase& param, std::ostream* out) { *out << param.name; }

class StartUp : public WindowTest, public ::testing::WithParamInterface<StartUpCase> {};

TEST_P(StartUp, ShowsTheFirstRunAndTableMessagesBeforeTheWindow) {
  const StartUpCase& param = GetParam();
  if (param.table == TableFile::Good) writeTable();
  if (param.table == TableFile::BadRecordNumber)
    writeFile("exttable.txt", "1 1 2 3 4 5 6\n2 1 2 3 4 5 6\n4 1 2 3 4 5 6\n");
  if (param.sample) writeSample("Input.txt", 1.0, acceptedSample());
  const engine::RecordedView reference = referenceRun();

  ui::TMainForm& form = start();

  std::vector<QString> shown;
  for (const ShownMessage& message : messages_) {
    EXPECT_FALSE(message.mainFormVisible) << message.text.toStdString();
    shown.push_back(message.text);
  }
  EXPECT_EQ(shown, param.messages);
  EXPECT_EQ(form.logLines(), recordedLog(reference));
  EXPECT_EQ(shownGrid(form), recordedGrid(reference));
  EXPECT_EQ(form.Chart->pointCount(engine::kHistogramSeries),
            static_cast<int>(reference.histogram().size()));
  EXPECT_EQ(form.Chart->Series2->count(), static_cast<int>(reference.curve().size()));
  ASSERT_NE(ui::OptForm, nullptr);
  EXPECT_FALSE(ui::OptForm->isVisible());
  EXPECT_FALSE(form.state().FileChanged);
}

const QString kNotLoaded = QString::fromUtf8("Не смог загрузить таблицу крит точек");
const QString kBadFormat = QString::fromUtf8("Не правильный формат таблицы");

INSTANTIATE_TEST_SUITE_P(
    Files, StartUp,
    ::testing::Values(StartUpCase{"BothFiles", TableFile::Good, true, {}},
                      StartUpCase{"NoTable", TableFile::Missing, true, {kNotLoaded}},
                      StartUpCase{"BadTable", TableFile::BadRecordNumber, true, {kBadFormat}},
                      StartUpCase{"NoSample", TableFile::Good, false, {}},
                      StartUpCase{"NoFiles", TableFile::Missing, false, {kNotLoaded}}),
    [](const ::testing::TestParamInfo<StartUpCase>& info) { return info.param.name; });

TEST_F(StartUp, WithoutSampleShowsOneLogLineAnEmptyGridOfFourRowsAndAnEmptyChart) {
  writeTable();
  ui::TMainForm& form = start();
  EXPECT_EQ(form.logLines(), QStringList{QString::fromUtf8("Не смог открыть входной файл")});
  EXPECT_EQ(form.Log->toPlainText(), form.logLines().join('\n'));
  EXPECT_EQ(form.StringGrid->gridRowCount(), 4);
  for (const auto& row : shownGrid(form))
    for (const QString& cell : row) EXPECT_TRUE(cell.isEmpty());
  EXPECT_EQ(form.Chart->stairs()->count(), 0);
  EXPECT_EQ(form.Chart->Series2->count(), 0);
}

TEST_F(StartUp, GridShowsHeaderIntervalsAndTheSummaryRowSetBeforeTheRowCountGrew) {
  ui::TMainForm& form = startOnAcceptedSample();

  constexpr int k = 10;  // the sample spans ten intervals of length 1
  const auto grid = shownGrid(form);
  ASSERT_EQ(form.StringGrid->gridRowCount(), k + 2);
  ASSERT_EQ(grid.size(), static_cast<size_t>(k + 2));
  for (int column = 0; column < engine::kTableColumns; ++column)
    EXPECT_EQ(grid[0][static_cast<size_t>(column)], QString::number(column + 1));
  const auto& summary = grid[k + 1];
  for (int column = 0; column < engine::kTableColumns; ++column) {
    const bool filled = column == 3 || column == 6 || column == 10;
    EXPECT_EQ(summary[static_cast<size_t>(column)].isEmpty(), !filled) << "column " << column;
  }
  // The first interval is merged into the second, whose row holds the pair's share.
  EXPECT_EQ(grid[1][10], QStringLiteral("0"));
  EXPECT_NE(grid[2][10], QStringLiteral("0"));
}

TEST_F(StartUp, ChartHoldsTheHistogramAsStairsAndTheCurveOnAcceptance) {
  ui::TMainForm& form = startOnAcceptedSample();
  const int points = form.Chart->pointCount(engine::kHistogramSeries);
  ASSERT_EQ(points, 11);  // k + 1
  EXPECT_FALSE(form.Chart->Series1->pointsVisible());
  EXPECT_EQ(form.Chart->stairs()->count(), 2 * points - 1);
  // Each stair keeps its height up to the next edge.
  for (int i = 0; i + 1 < points; ++i) {
    EXPECT_EQ(form.Chart->stairs()->at(2 * i).y(), form.Chart->stairs()->at(2 * i + 1).y());
    EXPECT_EQ(form.Chart->stairs()->at(2 * i + 1).x(), form.Chart->stairs()->at(2 * i + 2).x());
  }
  EXPECT_GT(form.Chart->Series2->count(), 5 * 10);
}

TEST_F(StartUp, RejectedSampleShowsTheHistogramWithoutCurve) {
  writeTable();
  writeSample("Input.txt", 1.0, rejectedSample());
  ui::TMainForm& form = start();
  ASSERT_FALSE(form.logLines().isEmpty());
  EXPECT_TRUE(form.logLines().last().endsWith(QString::fromUtf8("отвергнута.")));
  EXPECT_GT(form.Chart->stairs()->count(), 0);
  EXPECT_EQ(form.Chart->Series2->count(), 0);
}

TEST_F(StartUp, DialogIsFilledFromTheFirstRun) {
  startOnAcceptedSample();
  EXPECT_EQ(ui::OptForm->NameF->text(), QStringLiteral("Input.txt"));
  EXPECT_EQ(ui::OptForm->LIopt->text(), QStringLiteral("1.00"));
  EXPECT_EQ(ui::OptForm->XminOpt->text(), QStringLiteral("12.30"));
  EXPECT_EQ(ui::OptForm->XmaxOpt->text(), QStringLiteral("21.40"));
}

}  // namespace
}  // namespace ui_test
