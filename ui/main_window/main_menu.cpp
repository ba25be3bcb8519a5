// The main window's menu bar: Файл, Правка, Анализ and Справка.
#include "ui/main_window/main_menu.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QMenu>
#include <QMenuBar>

#include "ui/captions.h"
#include "ui/command_captions.h"
#include "ui/main_window/main_form.h"
#include "ui/main_window/recent_files.h"
#include "ui/message_sink.h"

namespace ui {

namespace {

// Recent paths longer than this many pixels of the menu's font lose their middle.
constexpr int kRecentPathPixels = 420;

}  // namespace

MainMenu::MainMenu(TMainForm& window) : QObject(&window), window_(window) {
  bar_ = new QMenuBar(&window);
  bar_->setFont(window.layoutScale().font());
  // Qt's own bar of the desktop would take the menu out of the window.
  bar_->setNativeMenuBar(false);

  auto command = [this](QMenu* menu, const char* caption, auto handler) {
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    connect(action, &QAction::triggered, this, [handler] { runHandler(handler); });
    return action;
  };
  fileMenu = bar_->addMenu(QString::fromUtf8(text::kFileMenu));
  fileMenu->setToolTipsVisible(true);
  openItem = command(fileMenu, text::kOpenItem, [this] { window_.openSampleDialog(); });
  openItem->setShortcut(QKeySequence::Open);
  dataItem = command(fileMenu, text::kDataItem, [this] { window_.showDataWindow(); });
  fileMenu->addSeparator();
  addFileCommands(window, *fileMenu, results);
  fileMenu->addSeparator();
  recentEnd_ = fileMenu->addSeparator();
  exitItem = command(fileMenu, text::kExitItem, [this] { window_.ExitButClick(); });
  exitItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

  editMenu = bar_->addMenu(QString::fromUtf8(text::kEditMenu));
  addEditCommands(window, *editMenu, results);

  analysisMenu = bar_->addMenu(QString::fromUtf8(text::kAnalysisMenu));
  settingsItem = command(analysisMenu, text::kSettingsItem, [this] { window_.OptionClick(); });

  helpMenu = bar_->addMenu(QString::fromUtf8(text::kHelpMenu));
  addHelpCommands(window, *helpMenu, results);
  aboutItem = command(helpMenu, text::kAboutItem, [this] { window_.showAbout(); });

  for (QMenu* menu : {fileMenu, editMenu, analysisMenu, helpMenu}) menu->setFont(bar_->font());
  showRecentFiles();
}

void MainMenu::showRecentFiles() {
  for (QAction* item : recentItems) {
    fileMenu->removeAction(item);
    item->deleteLater();
  }
  recentItems.clear();
  const QStringList files = recentFiles();
  const QFontMetrics metrics(fileMenu->font());
  for (qsizetype i = 0; i < files.size(); ++i) {
    const QString& path = files[i];
    const QString shown = metrics.elidedText(QDir::toNativeSeparators(path), Qt::ElideMiddle,
                                             window_.layoutScale().px(kRecentPathPixels));
    // "&1 …": the digit opens it from the keyboard; "&" in a name must not act as one.
    QString caption = QStringLiteral("&%1 %2").arg(i + 1).arg(QString(shown).replace('&', "&&"));
    auto* item = new QAction(caption, fileMenu);
    item->setToolTip(path);
    item->setData(path);
    connect(item, &QAction::triggered, this,
            [this, path] { runHandler([&] { window_.openRecentFile(path); }); });
    fileMenu->insertAction(recentEnd_, item);
    recentItems.push_back(item);
  }
  // One separator between the commands and the exit while there is no file to list.
  recentEnd_->setVisible(!recentItems.empty());
}

}  // namespace ui
