// The worked solution in the main window: its two commands, its window, and the last run's text.
#pragma once

#include <QObject>

#include "engine/document/text_document.h"
#include "engine/run_result.h"
#include "ui/layout_scale.h"

class QAction;
class QMenu;
class QWidget;

namespace ui {

class SolutionWindow;

// Owns the commands "Ход решения" (F2), which opens the solution's window, and "Ход решения в
// отчёте", the report's option, off at start. Both act in `owner`'s window from the start, so
// F2 works whether or not a menu shows them.
class SolutionActions : public QObject {
  Q_OBJECT

 public:
  SolutionActions(const LayoutScale& scale, QWidget& owner);

  // The solution of a finished run; an open window shows it at once.
  void follow(const engine::RunResult& result, char decimalSeparator);
  // Opens the window (made on first use) and brings it to the front.
  void showWindow();

  const engine::TextDocument& document() const { return document_; }
  // The solution the report adds after the log: null unless the option is on.
  const engine::TextDocument* reportSolution() const;

  QAction* showAction() const { return show_; }
  QAction* reportAction() const { return report_; }
  // Null until the window was first opened.
  SolutionWindow* window() const { return window_; }

 private:
  LayoutScale scale_;
  QWidget& owner_;
  QAction* show_ = nullptr;
  QAction* report_ = nullptr;
  SolutionWindow* window_ = nullptr;
  engine::TextDocument document_;
};

// Adds the window's command and the report's option, in that order, to a menu, after a
// separator when the menu holds something already.
void addSolutionActions(QMenu& menu, const SolutionActions& actions);

}  // namespace ui
