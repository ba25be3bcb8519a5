// The main window's menu bar, its title and the recent files.
#include "ui/main_window/main_menu.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include "chart/analysis_chart.h"
#include "tests/ui/window_fixture.h"
#include "ui/data_window/data_window.h"
#include "ui/layout_scale.h"
#include "ui/main_window/main_layout.h"
#include "ui/main_window/recent_files.h"
#include "ui/main_window/window_title.h"
#include "ui/options/opt_form.h"
#include "ui/start_up.h"

namespace ui_test {
namespace {

QString plain(const QString& caption) { return QString(caption).remove('&'); }

QStringList captions(const QMenu& menu) {
  QStringList shown;
  for (const QAction* action : menu.actions())
    if (!action->isSeparator() && action->isVisible()) shown << plain(action->text());
  return shown;
}

class MainMenu : public WindowTest {
 protected:
  ui::MainMenu& menu() { return *mainForm_->Menu; }
  QStringList recentCaptions() {
    QStringList shown;
    for (const QAction* item : menu().recentItems) shown << item->toolTip();
    return shown;
  }
  QString path(const char* name) const {
    return QFileInfo(QString::fromUtf8(name)).absoluteFilePath();
  }
};

TEST_F(MainMenu, HoldsTheCommandsInOrderWithTheirKeys) {
  startOnAcceptedSample();
  QStringList titles;
  for (const QAction* action : menu().bar()->actions()) titles << plain(action->text());
  EXPECT_EQ(titles, (QStringList{QString::fromUtf8("Файл"), QString::fromUtf8("Правка"),
                                 QString::fromUtf8("Анализ"), QString::fromUtf8("Справка")}));
  EXPECT_EQ(
      captions(*menu().fileMenu),
      (QStringList{QString::fromUtf8("Открыть…"), QString::fromUtf8("Данные…"),
                   QString::fromUtf8("Сохранить отчёт…"), QString::fromUtf8("Экспорт графика…"),
                   QString::fromUtf8("Печать…"), QString::fromUtf8("Выход")}));
  EXPECT_EQ(captions(*menu().editMenu), (QStringList{QString::fromUtf8("Копировать таблицу"),
                                                     QString::fromUtf8("Копировать график")}));
  EXPECT_EQ(captions(*menu().analysisMenu),
            (QStringList{QString::fromUtf8("Настройки…"), QString::fromUtf8("Ход решения"),
                         QString::fromUtf8("Ход решения в отчёте")}));
  EXPECT_EQ(captions(*menu().helpMenu),
            (QStringList{QString::fromUtf8("Руководство"), QString::fromUtf8("О программе")}));
  EXPECT_EQ(menu().openItem->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
  EXPECT_EQ(menu().exitItem->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
  EXPECT_EQ(menu().results.saveReport->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
  EXPECT_EQ(menu().results.print->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
  EXPECT_EQ(menu().results.manual->shortcut(), QKeySequence(Qt::Key_F1));
  // Shown in the menu; only the grid takes the key, so the log keeps its own copy.
  EXPECT_EQ(menu().results.copyTable->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_C));
  EXPECT_EQ(menu().results.copyTable->shortcutContext(), Qt::WidgetShortcut);
  // The buttons and the chart's menu stay.
  EXPECT_EQ(mainForm_->Option->text(), QString::fromUtf8("Настройки"));
  EXPECT_EQ(mainForm_->PopupMenu->actions().size(), 2);
}

TEST_F(MainMenu, CommandsRunTheWindowsHandlers) {
  startOnAcceptedSample();
  mainForm_->show();
  menu().settingsItem->trigger();
  EXPECT_TRUE(ui::OptForm->isVisible());
  menu().dataItem->trigger();
  EXPECT_TRUE(mainForm_->dataWindow().isVisible());
  menu().aboutItem->trigger();
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_TRUE(messages_[0].text.startsWith(QStringLiteral("Tarnek ")))
      << messages_[0].text.toStdString();
  menu().exitItem->trigger();
  EXPECT_FALSE(mainForm_->isVisible());
  EXPECT_FALSE(ui::OptForm->isVisible());
  EXPECT_FALSE(mainForm_->dataWindow().isVisible());
}

TEST_F(MainMenu, QuitKeyClosesTheWindow) {
  startOnAcceptedSample();
  mainForm_->show();
  QApplication::setActiveWindow(mainForm_.get());
  ASSERT_TRUE(QTest::qWaitForWindowActive(mainForm_.get()));
  QTest::keyClick(mainForm_.get(), Qt::Key_Q, Qt::ControlModifier);
  EXPECT_FALSE(mainForm_->isVisible());
}

TEST_F(MainMenu, SitsAboveTheControlsAndTheWindowGrowsByItsHeight) {
  ui::TMainForm& form = startOnAcceptedSample();
  form.show();
  const QRect bar = menu().bar()->geometry();
  EXPECT_EQ(bar.topLeft(), QPoint(0, 0));
  EXPECT_EQ(bar.width(), form.width());
  EXPECT_GE(bar.height(), menu().bar()->sizeHint().height());
  EXPECT_GT(form.Chart->geometry().top(), bar.bottom());
  EXPECT_EQ(form.minimumHeight(),
            ui::designedClientSize(form.layoutScale()).height() + bar.height());
  // Below the bar the controls sit as designed.
  const ui::MainLayout below =
      ui::mainLayout(form.layoutScale(), form.size() - QSize(0, bar.height()));
  EXPECT_EQ(form.Chart->geometry(), below.chart.translated(0, bar.height()));
  EXPECT_EQ(form.ExitBut->geometry(), below.exitBut.translated(0, bar.height()));
}

class MenuBarHeight : public ::testing::TestWithParam<double> {};

TEST_P(MenuBarHeight, FitsTheRoomTheScreenFitAllowsForIt) {
  const double factor = GetParam();
  const QFont font = ui::fittingFont(factor, ui::formFontFamilies(), ui::fixedTexts());
  QWidget window;
  QMenuBar bar(&window);
  bar.setFont(font);
  for (const char* title : {"&Файл", "&Анализ", "&Справка"}) bar.addMenu(QString::fromUtf8(title));
  EXPECT_LE(bar.sizeHint().height(), ui::LayoutScale(factor).px(ui::kMenuBarDesignHeight))
      << "at " << font.pixelSize() << " px";
}

// As the screen fitting tests: 1280 x 800 at Xft.dpi 96 to 192, and an unscaled 192-dpi screen.
INSTANTIATE_TEST_SUITE_P(Factors, MenuBarHeight,
                         ::testing::Values(400.0 / 619, 400.0 / 595, 0.8, 1.0, 1.6));

TEST(MenuScreenFit, FramedWindowWithTheMenuBarStaysOnTheScreen) {
  for (const QRect& available :
       {QRect(0, 0, 640, 400), QRect(0, 30, 800, 570), QRect(0, 0, 1280, 800)}) {
    const double factor =
        ui::screenFactor(ui::ScreenSpec{120, available}, ui::kMainWindowMenuFrame);
    const QPoint corner = ui::placeFrame(available, ui::kMainWindowMenuFrame, factor);
    const QRect frame(corner, ui::LayoutScale(factor).size(850, 595 + ui::kMenuBarDesignHeight));
    EXPECT_TRUE(available.contains(frame)) << frame.width() << "x" << frame.height();
  }
}

TEST_F(MainMenu, TitleNamesTheFileInUse) {
  startOnAcceptedSample();
  EXPECT_EQ(mainForm_->windowTitle(), QString::fromUtf8("Математическая статистика — Input.txt"));
  writeSample("other.txt", 1.0, acceptedSample());
  mainForm_->openSample(path("other.txt"));
  EXPECT_EQ(mainForm_->windowTitle(), QString::fromUtf8("Математическая статистика — other.txt"));
}

TEST(WindowTitle, SaysWhenTheFileIsTheInstalledExample) {
  const std::string example = "/usr/share/tarnek/Input.txt";
  EXPECT_EQ(ui::mainWindowTitle(example, example),
            QString::fromUtf8("Математическая статистика — Input.txt (пример)"));
  EXPECT_EQ(ui::mainWindowTitle("Input.txt", example),
            QString::fromUtf8("Математическая статистика — Input.txt"));
  EXPECT_EQ(ui::mainWindowTitle("", example), QString::fromUtf8("Математическая статистика"));
}

TEST_F(MainMenu, RemembersTheLastFiveFilesOpenedNewestFirst) {
  startOnAcceptedSample();
  // The sample of the first start was not chosen: nothing to remember yet.
  EXPECT_TRUE(menu().recentItems.empty());
  const char* names[] = {"f1.txt", "f2.txt", "f3.txt", "f4.txt", "f5.txt", "f6.txt"};
  for (const char* name : names) {
    writeSample(QString::fromUtf8(name), 1.0, acceptedSample());
    mainForm_->openSample(path(name));
  }
  EXPECT_EQ(recentCaptions(), (QStringList{path("f6.txt"), path("f5.txt"), path("f4.txt"),
                                           path("f3.txt"), path("f2.txt")}));
  EXPECT_TRUE(menu().recentItems[0]->text().startsWith(QStringLiteral("&1 ")));
  // Opened again, a file moves to the top, once.
  mainForm_->openSample(path("f3.txt"));
  EXPECT_EQ(recentCaptions(), (QStringList{path("f3.txt"), path("f6.txt"), path("f5.txt"),
                                           path("f4.txt"), path("f2.txt")}));
  // A file that does not open is not remembered.
  mainForm_->openSample(path("missing.txt"));
  EXPECT_EQ(recentCaptions().first(), path("f3.txt"));
  // Remembered from one start to the next, and nothing else is.
  mainForm_.reset();
  start();
  EXPECT_EQ(recentCaptions().size(), 5);
  EXPECT_EQ(ui::recentFiles().first(), path("f3.txt"));
}

TEST_F(MainMenu, RecentFileOpensAndOneThatIsGoneIsSaidAndForgotten) {
  startOnAcceptedSample();
  writeSample("kept.txt", 2.0, acceptedSample());
  writeSample("gone.txt", 1.0, acceptedSample());
  mainForm_->openSample(path("kept.txt"));
  mainForm_->openSample(path("gone.txt"));
  ASSERT_EQ(menu().recentItems.size(), 2u);

  menu().recentItems[1]->trigger();
  EXPECT_EQ(QFile::decodeName(mainForm_->state().FileName.c_str()), path("kept.txt"));
  EXPECT_EQ(mainForm_->state().IntervalLength, 2.0f);

  ASSERT_TRUE(QFile::remove(path("gone.txt")));
  const QAction* gone = menu().recentItems[1];
  ASSERT_EQ(gone->toolTip(), path("gone.txt"));
  menu().recentItems[1]->trigger();
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0].text, QString::fromUtf8("Файл «%1» не найден").arg(path("gone.txt")));
  EXPECT_EQ(recentCaptions(), QStringList{path("kept.txt")});
}

TEST_F(MainMenu, FileNamedOnTheCommandLineIsRemembered) {
  writeTable();
  writeSample("argument.txt", 1.0, acceptedSample());
  mainForm_ = ui::startUp(std::string("argument.txt"));
  EXPECT_EQ(recentCaptions(), QStringList{path("argument.txt")});
}

}  // namespace
}  // namespace ui_test
