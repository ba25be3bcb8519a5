// The commands on the results, for the menu bar: save, export, print, copy, and the manual.
#pragma once

class QAction;
class QMenu;

namespace ui {

class TMainForm;

struct ResultCommands {
  QAction* saveReport = nullptr;   // Ctrl+S
  QAction* exportChart = nullptr;  //
  QAction* print = nullptr;        // Ctrl+P
  QAction* copyTable = nullptr;    // Ctrl+C, which only the grid takes, as always
  QAction* copyChart = nullptr;    //
  QAction* manual = nullptr;       // F1
};

// Each adds its commands at the end of the menu it is given, their keys bound in the window.
void addFileCommands(TMainForm& window, QMenu& file, ResultCommands& commands);
void addEditCommands(TMainForm& window, QMenu& edit, ResultCommands& commands);
void addHelpCommands(TMainForm& window, QMenu& help, ResultCommands& commands);

// The window says so when the chart's menu has put the picture on the clipboard and when the
// grid has copied its cells.
void connectCopyFeedback(TMainForm& window);

}  // namespace ui
