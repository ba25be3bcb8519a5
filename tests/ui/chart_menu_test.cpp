// The chart's menu: where it opens, the picture on the clipboard, the report stand-in.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>

#include "analysis_chart.h"
#include "window_fixture.h"

namespace ui_test {
namespace {

class ChartMenu : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    writeTable();
    writeSample("Input.txt", 1.0, acceptedSample());
    start();
  }
};

int countPixels(const QImage& image, const QColor& colour) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixelColor(x, y) == colour) ++count;
  return count;
}

TEST_F(ChartMenu, OpensAtTheWindowFramePlusThePointerInTheChart) {
  mainForm_->move(100, 50);
  mainForm_->show();
  const QPoint expected = mainForm_->frameGeometry().topLeft() + QPoint(30, 40);
  mainForm_->ChartContextPopup(30, 40);
  ASSERT_TRUE(mainForm_->PopupMenu->isVisible());
  EXPECT_EQ(mainForm_->PopupMenu->pos(), expected);
  const QList<QAction*> actions = mainForm_->PopupMenu->actions();
  ASSERT_EQ(actions.size(), 2);
  EXPECT_EQ(actions[0]->text(), QString::fromUtf8("скопировать рисунок в буфер обмена"));
  EXPECT_EQ(actions[1]->text(), QString::fromUtf8("создать документ Word"));
  mainForm_->PopupMenu->hide();
}

TEST_F(ChartMenu, RightClickOnTheChartRunsTheContextHandler) {
  mainForm_->show();
  emit mainForm_->Chart->customContextMenuRequested(QPoint(5, 6));
  EXPECT_TRUE(mainForm_->PopupMenu->isVisible());
  mainForm_->PopupMenu->hide();
}

TEST_F(ChartMenu, CopyPutsTheChartAsDrawnOnTheClipboard) {
  QApplication::clipboard()->clear();
  mainForm_->N1->trigger();
  const QImage copied = QApplication::clipboard()->image();
  const QImage drawn = mainForm_->chartPicture();
  ASSERT_FALSE(copied.isNull());
  EXPECT_EQ(copied.size(), mainForm_->Chart->size() * drawn.devicePixelRatio());
  EXPECT_EQ(copied.convertToFormat(QImage::Format_RGB32), drawn.convertToFormat(QImage::Format_RGB32));
  // The red markers and hatch of the histogram and the curve's colour are in the picture.
  EXPECT_GT(countPixels(copied, Qt::red), 50);
  EXPECT_GT(countPixels(copied, QColor(64, 0, 64)), 50);
  EXPECT_TRUE(messages_.empty());
}

TEST_F(ChartMenu, PictureFollowsTheLatestRun) {
  const QImage before = mainForm_->chartPicture();
  mainForm_->state().IntervalLength = 2.0f;
  mainForm_->ProcessFile();
  EXPECT_NE(mainForm_->chartPicture(), before);
}

TEST_F(ChartMenu, WordReportSaysItIsNotAvailableYet) {
  mainForm_->Word1->trigger();
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0].kind, ui::MessageKind::Information);
  EXPECT_TRUE(messages_[0].text.contains(QStringLiteral("Word")));
}

}  // namespace
}  // namespace ui_test
