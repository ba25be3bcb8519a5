// The main window's menu bar: Файл, Правка, Анализ and Справка.
#pragma once

#include <QObject>
#include <vector>

#include "ui/results/result_commands.h"

class QAction;
class QMenu;
class QMenuBar;

namespace ui {

class TMainForm;

class MainMenu : public QObject {
  Q_OBJECT

 public:
  // Builds the bar as a child of `window`, which places it; its commands call
  // the window's handlers.
  explicit MainMenu(TMainForm& window);

  QMenuBar* bar() const { return bar_; }
  // The recent files' entries again, from the list as it now stands.
  void showRecentFiles();

  QMenu* fileMenu = nullptr;
  QAction* openItem = nullptr;  // Ctrl+O
  QAction* dataItem = nullptr;
  std::vector<QAction*> recentItems;  // one for each remembered file, the latest first
  QAction* exitItem = nullptr;        // Ctrl+Q
  QMenu* editMenu = nullptr;
  ResultCommands results;  // the file, edit and help menus' commands on the results
  QMenu* analysisMenu = nullptr;
  QAction* settingsItem = nullptr;
  QMenu* helpMenu = nullptr;
  QAction* aboutItem = nullptr;

 private:
  TMainForm& window_;
  QMenuBar* bar_ = nullptr;
  QAction* recentEnd_ = nullptr;  // the separator after the recent files
};

}  // namespace ui
