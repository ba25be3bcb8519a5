// The worked solution in the main window: its two commands, its window, and the last run's text.
#include "ui/solution/solution_actions.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

#include "engine/solution.h"
#include "ui/captions.h"
#include "ui/message_sink.h"
#include "ui/solution/solution_window.h"

namespace ui {

SolutionActions::SolutionActions(const LayoutScale& scale, QWidget& owner)
    : QObject(&owner), scale_(scale), owner_(owner) {
  show_ = new QAction(QString::fromUtf8(text::kShowSolution), this);
  // F1 is help's; the solution is the next thing a student asks for.
  show_->setShortcut(QKeySequence(Qt::Key_F2));
  show_->setShortcutContext(Qt::WindowShortcut);
  report_ = new QAction(QString::fromUtf8(text::kSolutionInReport), this);
  report_->setCheckable(true);
  report_->setChecked(false);
  owner.addAction(show_);
  owner.addAction(report_);
  connect(show_, &QAction::triggered, this, [this] { runHandler([this] { showWindow(); }); });
}

void SolutionActions::follow(const engine::RunResult& result, char decimalSeparator) {
  document_ = engine::buildSolution(result, decimalSeparator);
  if (window_ != nullptr) window_->showDocument(document_);
}

void SolutionActions::showWindow() {
  if (window_ == nullptr) {
    window_ = new SolutionWindow(scale_, &owner_);
    window_->showDocument(document_);
  }
  window_->show();
  window_->raise();
  window_->activateWindow();
}

const engine::TextDocument* SolutionActions::reportSolution() const {
  return report_->isChecked() ? &document_ : nullptr;
}

void addSolutionActions(QMenu& menu, const SolutionActions& actions) {
  if (!menu.isEmpty()) menu.addSeparator();
  menu.addAction(actions.showAction());
  menu.addAction(actions.reportAction());
}

}  // namespace ui
