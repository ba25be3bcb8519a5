// The chart's menu: where it opens, the picture on the clipboard, the Word report.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QTemporaryDir>
#include <QUrl>

#include "chart/analysis_chart.h"
#include "report/automation/document_application.h"
#include "report/delivery/report_delivery.h"
#include "tests/ui/window_fixture.h"

namespace ui_test {
namespace {

class ChartMenu : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    startOnAcceptedSample();
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
  EXPECT_EQ(copied.convertToFormat(QImage::Format_RGB32),
            drawn.convertToFormat(QImage::Format_RGB32));
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

// The report's documents go to a scratch folder and "open" through a recorder.
class WordReport : public ChartMenu {
 protected:
  report::DocumentApplication& useFolder(const QString& folder) {
    auto word = std::make_unique<report::DocumentApplication>(
        report::openInFolder(
            folder,
            [this](const QString& path) {
              opened_.push_back(path);
              return QString();
            },
            [this](const QString& text) { ui::showMessageBox(text); }),
        report::systemClipboardPicture);
    report::DocumentApplication& application = *word;
    mainForm_->setWordApplication(std::move(word));
    return application;
  }

  QTemporaryDir folder_;
  QStringList opened_;
};

TEST_F(WordReport, TypesGridAndLogOfTheWindowIntoAnOpenedDocument) {
  report::DocumentApplication& word = useFolder(folder_.path());
  mainForm_->Word1->trigger();
  EXPECT_TRUE(messages_.empty());
  ASSERT_EQ(opened_.size(), 1);
  EXPECT_TRUE(QFileInfo(opened_[0]).isFile());
  EXPECT_EQ(QFileInfo(opened_[0]).absolutePath(), QFileInfo(folder_.path()).absoluteFilePath());

  const auto documents = word.documents();
  ASSERT_EQ(documents.size(), 1u);
  const report::DocumentModel& document = *documents[0];
  ASSERT_EQ(document.pictures().size(), 1u);
  // The report's picture is rendered for print at twice the screen's density, and it is what
  // the clipboard holds afterwards.
  EXPECT_GE(document.pictures()[0].width, 2 * mainForm_->Chart->width());
  EXPECT_EQ(QApplication::clipboard()->image().width(), document.pictures()[0].width);
  const report::Table* table = document.table(0);
  ASSERT_NE(table, nullptr);
  const auto grid = shownGrid(*mainForm_);
  ASSERT_EQ(table->rowCount(), static_cast<int32_t>(grid.size()));
  ASSERT_EQ(table->columnCount(), 11);
  for (int32_t row = 0; row < table->rowCount(); ++row)
    for (int32_t column = 0; column < 11; ++column)
      EXPECT_EQ(
          QString::fromStdString(engine::paragraphText(table->cell(row, column).paragraphs[0])),
          grid[row][column])
          << row << column;

  QStringList paragraphs;
  bool belowTable = false;
  for (const report::Block& block : document.blocks()) {
    if (std::holds_alternative<report::Table>(block))
      belowTable = true;
    else if (belowTable)
      paragraphs << QString::fromStdString(
          engine::paragraphText(std::get<report::Paragraph>(block)));
  }
  // One paragraph mark after the table, then each log line in a paragraph of its own.
  ASSERT_EQ(paragraphs.size(), mainForm_->logLines().size() + 2);
  EXPECT_EQ(paragraphs.front(), QString());
  EXPECT_EQ(paragraphs.mid(1, mainForm_->logLines().size()), mainForm_->logLines());
  EXPECT_FALSE(QApplication::clipboard()->image().isNull());
}

TEST_F(WordReport, TwoReportsGiveTwoFiles) {
  useFolder(folder_.path());
  mainForm_->Word1->trigger();
  mainForm_->Word1->trigger();
  ASSERT_EQ(opened_.size(), 2);
  EXPECT_NE(opened_[0], opened_[1]);
  EXPECT_TRUE(QFileInfo(opened_[1]).isFile());
}

TEST_F(WordReport, UnwritableFolderIsAnErrorAndTheWindowGoesOn) {
  const QString blocker = folder_.filePath(QStringLiteral("plain-file"));
  QFile file(blocker);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.close();
  const QString folder = blocker + QStringLiteral("/reports");
  useFolder(folder);
  mainForm_->Word1->trigger();
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0].kind, ui::MessageKind::Error);
  EXPECT_TRUE(messages_[0].text.contains(folder)) << messages_[0].text.toStdString();
  EXPECT_TRUE(opened_.isEmpty());

  mainForm_->ProcessFile();  // the window still works
  EXPECT_FALSE(mainForm_->logLines().isEmpty());
}

}  // namespace
}  // namespace ui_test
