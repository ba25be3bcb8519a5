// The main window from the keyboard: Tab cycles through every control, the chart shows focus and
// opens its menu.
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "chart/analysis_chart.h"
#include "tests/ui/window_fixture.h"
#include "ui/results/result_grid.h"

namespace ui_test {
namespace {

class Keyboard : public ShownWindowTest {
 protected:
  void TearDown() override {
    mainForm_->PopupMenu->hide();
    ShownWindowTest::TearDown();
  }

  std::vector<QWidget*> visitedBy(Qt::Key key, Qt::KeyboardModifiers modifiers, int presses) {
    std::vector<QWidget*> visited;
    for (int i = 0; i < presses; ++i) {
      QTest::keyClick(QApplication::focusWidget(), key, modifiers);
      visited.push_back(QApplication::focusWidget());
    }
    return visited;
  }
};

TEST_F(Keyboard, TabAndShiftTabCycleThroughEveryControlAndLeaveTheGrid) {
  ui::TMainForm& form = *mainForm_;
  form.Log->setFocus();
  const std::vector<QWidget*> forward = {form.Chart,   form.StringGrid, form.Option,
                                         form.ExitBut, form.Log,        form.Chart};
  EXPECT_EQ(visitedBy(Qt::Key_Tab, Qt::NoModifier, 6), forward);
  form.Log->setFocus();
  const std::vector<QWidget*> backward = {form.ExitBut, form.Option, form.StringGrid, form.Chart,
                                          form.Log};
  EXPECT_EQ(visitedBy(Qt::Key_Backtab, Qt::ShiftModifier, 5), backward);
}

TEST_F(Keyboard, ArrowsStayInsideTheGrid) {
  mainForm_->StringGrid->setFocus();
  mainForm_->StringGrid->setCurrentIndex(mainForm_->StringGrid->model()->index(0, 0));
  QTest::keyClick(mainForm_->StringGrid, Qt::Key_Down);
  EXPECT_EQ(QApplication::focusWidget(), mainForm_->StringGrid);
  EXPECT_EQ(mainForm_->StringGrid->currentIndex().row(), 1);
}

TEST_F(Keyboard, SpaceOnAFocusedButtonPressesIt) {
  int clicks = 0;
  QObject::connect(mainForm_->Option, &QPushButton::clicked, [&] { ++clicks; });
  mainForm_->Option->setFocus();
  QTest::keyClick(mainForm_->Option, Qt::Key_Space);
  EXPECT_EQ(clicks, 1);
}

TEST_F(Keyboard, FocusedChartDrawsAFrameThatThePictureLeavesOut) {
  chart::AnalysisChart& chart = *mainForm_->Chart;
  mainForm_->Log->setFocus();
  const QImage unfocused = chart.grab().toImage();
  chart.setFocus();
  ASSERT_TRUE(chart.hasFocus());
  EXPECT_NE(chart.grab().toImage(), unfocused);
  EXPECT_EQ(chart.picture(), unfocused);
}

struct MenuKey {
  const char* name;
  Qt::Key key;
  Qt::KeyboardModifiers modifiers;
};

class ChartMenuKey : public Keyboard, public ::testing::WithParamInterface<MenuKey> {};

TEST_P(ChartMenuKey, OpensTheMenuAtTheWindowFramePlusTheChartsCentre) {
  chart::AnalysisChart& chart = *mainForm_->Chart;
  chart.setFocus();
  QTest::keyClick(&chart, GetParam().key, GetParam().modifiers);
  ASSERT_TRUE(mainForm_->PopupMenu->isVisible());
  const QPoint centre = chart.rect().center();
  EXPECT_EQ(mainForm_->PopupMenu->pos(), mainForm_->popupPoint(centre.x(), centre.y()));
}

INSTANTIATE_TEST_SUITE_P(Keys, ChartMenuKey,
                         ::testing::Values(MenuKey{"MenuKey", Qt::Key_Menu, Qt::NoModifier},
                                           MenuKey{"ShiftF10", Qt::Key_F10, Qt::ShiftModifier}),
                         [](const ::testing::TestParamInfo<MenuKey>& info) {
                           return std::string(info.param.name);
                         });

TEST_F(Keyboard, F10WithoutShiftOpensNoMenu) {
  mainForm_->Chart->setFocus();
  QTest::keyClick(mainForm_->Chart, Qt::Key_F10);
  EXPECT_FALSE(mainForm_->PopupMenu->isVisible());
}

}  // namespace
}  // namespace ui_test
