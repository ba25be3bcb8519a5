// The result commands as actions: each runs its handler as every window handler runs.
#include "ui/results/result_commands.h"

#include <QAction>
#include <QMenu>

#include "ui/command_captions.h"
#include "ui/export/chart_saving.h"
#include "ui/export/report_printing.h"
#include "ui/export/report_saving.h"
#include "ui/help/manual_window.h"
#include "ui/main_window/main_form.h"
#include "ui/message_sink.h"
#include "ui/results/result_grid.h"
#include "ui/results/result_line.h"

namespace ui {

namespace {

template <typename Handler>
QAction* command(TMainForm& window, QMenu& menu, const char* caption, const QKeySequence& key,
                 Handler handler) {
  QAction* action = menu.addAction(QString::fromUtf8(caption));
  if (!key.isEmpty()) {
    action->setShortcut(key);
    action->setShortcutContext(Qt::WindowShortcut);
    // Bound in the window too, so the key works while the menu is closed.
    window.addAction(action);
  }
  QObject::connect(action, &QAction::triggered, &window, [handler] { runHandler(handler); });
  return action;
}

}  // namespace

void addFileCommands(TMainForm& window, QMenu& file, ResultCommands& commands) {
  commands.saveReport = command(window, file, text::kSaveReport, QKeySequence::Save,
                                [&window] { saveReportCommand(window); });
  commands.exportChart = command(window, file, text::kExportChart, QKeySequence(),
                                 [&window] { exportChartCommand(window); });
  commands.print = command(window, file, text::kPrintReport, QKeySequence::Print,
                           [&window] { printReportCommand(window); });
}

void addEditCommands(TMainForm& window, QMenu& edit, ResultCommands& commands) {
  commands.copyTable = command(window, edit, text::kCopyTable, QKeySequence(),
                               [&window] { window.StringGrid->copyAction()->trigger(); });
  // Ctrl+C is shown as the grid's key; bound in the window it would take the log's copy away.
  commands.copyTable->setShortcut(QKeySequence::Copy);
  commands.copyTable->setShortcutContext(Qt::WidgetShortcut);
  commands.copyChart =
      command(window, edit, text::kCopyChart, QKeySequence(), [&window] { window.N1->trigger(); });
}

void addHelpCommands(TMainForm& window, QMenu& help, ResultCommands& commands) {
  commands.manual = command(window, help, text::kManual, QKeySequence::HelpContents,
                            [&window] { showManual(window); });
}

void connectCopyFeedback(TMainForm& window) {
  QObject::connect(window.N1, &QAction::triggered, &window,
                   [&window] { window.Result->showNotice(QString::fromUtf8(text::kChartCopied)); });
  QObject::connect(window.StringGrid, &ResultGrid::copied, &window,
                   [&window] { window.Result->showNotice(QString::fromUtf8(text::kTableCopied)); });
}

}  // namespace ui
