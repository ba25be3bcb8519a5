// The notice above the chart: shown whenever the data analysed are not the whole file as meant.
#include "ui/main_window/data_notice.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <sstream>

#include "chart/analysis_chart.h"
#include "tests/ui/window_fixture.h"
#include "ui/data_window/data_window.h"
#include "ui/layout_scale.h"
#include "ui/main_window/main_layout.h"
#include "ui/options/opt_form.h"

namespace ui_test {
namespace {

// h on the first line, then ten values a line; `replace` puts a text in place of value `at`.
std::string sampleLines(double h, const std::vector<double>& values, size_t at = SIZE_MAX,
                        const char* replace = nullptr) {
  std::ostringstream out;
  out.precision(9);
  out << h << '\n';
  for (size_t i = 0; i < values.size(); ++i) {
    if (i == at)
      out << replace;
    else
      out << values[i];
    out << ((i + 1) % 10 == 0 ? '\n' : ' ');
  }
  return out.str();
}

// 100 masses from 156.9 to about 182, grouped by h = 2.5; the test accepts them.
std::vector<double> masses() {
  return binnedSample(156.9, 2.5, {2, 5, 10, 17, 22, 18, 12, 8, 4, 2});
}

// The masses with the 41st, on line 6, typed with a decimal comma.
std::string typoFile() { return sampleLines(2.5, masses(), 40, "167,2"); }

class Notice : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    writeTable();
  }
  void open(const char* name, const std::string& content) {
    writeFile(QString::fromUtf8(name), content);
    mainForm_->openSample(QString::fromUtf8(name));
  }
  ui::DataNotice& notice() { return *mainForm_->Notice; }
  QString shownText() const { return mainForm_->Notice->Text->text(); }
};

TEST_F(Notice, TypoOnLineSixIsNamedWithItsLineAndText) {
  writeSample("Input.txt", 1.0, acceptedSample());
  start();
  EXPECT_TRUE(notice().isHidden());
  // The 41st value written with a decimal comma: reading stops there.
  open("typo.txt", typoFile());

  ASSERT_FALSE(notice().isHidden());
  const QString text = shownText();
  EXPECT_TRUE(text.contains(QString::fromUtf8("строке 6"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QString::fromUtf8("«167,2»"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QString::fromUtf8("typo.txt"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QString::fromUtf8("проанализировано значений: 41")))
      << text.toStdString();
  EXPECT_EQ(notice().file(), QStringLiteral("typo.txt"));
  // Visible above the chart, not over it, and as wide as it.
  EXPECT_LT(notice().geometry().bottom(), mainForm_->Chart->geometry().top());
  EXPECT_EQ(notice().width(), mainForm_->Chart->width());
  // Every line of it in view.
  mainForm_->show();
  const QLabel& label = *notice().Text;
  EXPECT_LE(label.heightForWidth(label.width()), label.height());
  EXPECT_TRUE(notice().geometry().contains(label.geometry().translated(notice().pos())));
}

TEST_F(Notice, StaysThroughNumbersModeAndGoesWithTheNextFileReadWhole) {
  writeSample("Input.txt", 1.0, acceptedSample());
  start();
  open("typo.txt", typoFile());
  ASSERT_FALSE(notice().isHidden());
  const int chartHeight = mainForm_->Chart->height();

  // A numbers-mode Apply runs on the same cut sample: the notice stays.
  ui::OptForm->LIopt->setText(QStringLiteral("2"));
  QTest::mouseClick(ui::OptForm->OkBut, Qt::LeftButton);
  EXPECT_FALSE(notice().isHidden());

  open("whole.txt", sampleLines(1.0, acceptedSample()));
  EXPECT_TRUE(notice().isHidden());
  // The chart takes the notice's room back.
  EXPECT_GT(mainForm_->Chart->height(), chartHeight);
}

TEST_F(Notice, MoreThan200ValuesAreSaidWithWhereTheRestBegins) {
  writeSample("Input.txt", 1.0, acceptedSample());
  start();
  std::vector<double> many;
  for (int i = 0; i < 350; ++i) many.push_back(150.0 + (i * 37) % 41);
  open("many.txt", sampleLines(2.5, many));
  ASSERT_FALSE(notice().isHidden());
  EXPECT_TRUE(mainForm_->logLines().contains(
      QString::fromUtf8("В файле больше 200 значений, обработаны первые 200")));
  const QString text = shownText();
  EXPECT_TRUE(
      text.contains(QString::fromUtf8("В файле больше 200 значений, обработаны первые 200 "
                                      "(201-е значение — в строке 22: «")))
      << text.toStdString();
  // Said once, not again as a finding of its own.
  EXPECT_EQ(notice().findings().size(), 1) << text.toStdString();
}

TEST_F(Notice, FileThatCannotBeOpenedLeavesNoNotice) {
  writeSample("Input.txt", 1.0, acceptedSample());
  start();
  open("typo.txt", typoFile());
  ASSERT_FALSE(notice().isHidden());
  mainForm_->openSample(QStringLiteral("missing.txt"));
  EXPECT_TRUE(notice().isHidden());
}

struct FindingCase {
  const char* name;
  std::string content;
  const char* shown;  // a piece of the notice's text, UTF-8
};

void PrintTo(const FindingCase& param, std::ostream* out) { *out << param.name; }

class NoticeFinding : public Notice, public ::testing::WithParamInterface<FindingCase> {};

TEST_P(NoticeFinding, IsShownForAFileNotInTheProgramsFormat) {
  writeSample("Input.txt", 1.0, acceptedSample());
  start();
  open("file.txt", GetParam().content);
  ASSERT_FALSE(notice().isHidden()) << GetParam().name;
  EXPECT_TRUE(shownText().contains(QString::fromUtf8(GetParam().shown)))
      << shownText().toStdString();
}

std::string valuesOnly() {
  std::ostringstream out;
  for (double value : acceptedSample()) out << value << '\n';
  return out.str();
}

INSTANTIATE_TEST_SUITE_P(
    Files, NoticeFinding,
    ::testing::Values(FindingCase{"NoIntervalLength", valuesOnly(), "12.345"},
                      FindingCase{"HeaderLine", "Масса\n" + sampleLines(1.0, acceptedSample()),
                                  "Масса"},
                      FindingCase{"TwoColumns", "1\n1;12.5\n2;13.5\n3;14\n4;12.75\n5;13\n", ";"}),
    [](const ::testing::TestParamInfo<FindingCase>& info) { return std::string(info.param.name); });

TEST_F(Notice, OffersTheFileInTheDataWindow) {
  writeSample("Input.txt", 1.0, acceptedSample());
  start();
  mainForm_->show();
  open("typo.txt", typoFile());
  ASSERT_FALSE(notice().isHidden());
  QTest::mouseClick(notice().OpenInDataWindow, Qt::LeftButton);
  ui::DataWindow& window = mainForm_->dataWindow();
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(window.windowTitle(), QString::fromUtf8("Данные — typo.txt"));
  // There the comma is a decimal separator: every value is read, the first as h.
  EXPECT_EQ(window.dataRead().count, 100);
  EXPECT_EQ(window.intervalLength(), 2.5f);
  EXPECT_TRUE(window.Input->toPlainText().contains(QStringLiteral("167,2")));
}

TEST(NoticeLayout, TakesItsHeightFromTheChartBelowTheMenuBar) {
  const ui::LayoutScale scale(1.0);
  const QSize client = ui::designedClientSize(scale) + QSize(0, 21);
  const ui::MainLayout without = ui::mainLayout(scale, client, {21, 0});
  const ui::MainLayout with = ui::mainLayout(scale, client, {21, 40});
  EXPECT_TRUE(without.notice.isEmpty());
  EXPECT_EQ(with.notice, QRect(8, 29, 785, 40));
  EXPECT_EQ(with.chart.top(), with.notice.bottom() + 1 + 4);
  EXPECT_EQ(with.chart.bottom(), without.chart.bottom());
  EXPECT_EQ(with.grid, without.grid);
  EXPECT_EQ(with.exitBut, without.exitBut);
  // However tall, a notice leaves the chart a third of its height.
  const ui::MainLayout tall = ui::mainLayout(scale, client, {21, 1000});
  EXPECT_GE(tall.chart.height(), without.chart.height() / 3);
  EXPECT_LT(tall.notice.bottom(), tall.chart.top());
}

}  // namespace
}  // namespace ui_test
