// Running the desktop's launcher with a time limit, without freezing the window meanwhile.
#include "report/desktop_launcher.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>

namespace report {

namespace {

struct Launcher {
  QString program;
  QStringList arguments;
};

Launcher findLauncher(const QString& path) {
  const QString xdgOpen = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
  if (!xdgOpen.isEmpty()) return {xdgOpen, {path}};
  const QString gio = QStandardPaths::findExecutable(QStringLiteral("gio"));
  if (!gio.isEmpty()) return {gio, {QStringLiteral("open"), path}};
  return {};
}

// The launcher's last line on its error output says best what went wrong.
QString lastErrorLine(QProcess& process) {
  const QStringList lines = QString::fromLocal8Bit(process.readAllStandardError())
                                .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  return lines.isEmpty() ? QString() : lines.last().trimmed().left(300);
}

}  // namespace

QString openWithDesktopLauncher(const QString& path, std::chrono::milliseconds timeout) {
  const Launcher launcher = findLauncher(path);
  if (launcher.program.isEmpty())
    return QStringLiteral("не найдена программа для открытия файлов (xdg-open или gio)");
  const QString name = QFileInfo(launcher.program).fileName();

  QProcess process;
  process.setProgram(launcher.program);
  process.setArguments(launcher.arguments);
  process.setStandardInputFile(QProcess::nullDevice());
  process.setStandardOutputFile(QProcess::nullDevice());

  QEventLoop loop;
  QTimer timer;
  timer.setSingleShot(true);
  QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
  QObject::connect(&process, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
  QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);

  timer.start(timeout);
  process.start();
  if (!process.waitForStarted(static_cast<int>(timeout.count())))
    return QStringLiteral("не удалось запустить %1: %2").arg(name, process.errorString());
  // The window repaints meanwhile; clicks and keys wait, so no second report starts inside.
  if (process.state() != QProcess::NotRunning && timer.isActive())
    loop.exec(QEventLoop::ExcludeUserInputEvents);

  if (process.state() != QProcess::NotRunning) {
    // An application the launcher started in its place lives on; only the launcher stops.
    process.kill();
    process.waitForFinished(1000);
    return QStringLiteral("%1 не ответила за %2 с").arg(name).arg(timeout.count() / 1000.0);
  }
  if (process.exitStatus() != QProcess::NormalExit)
    return QStringLiteral("%1 завершилась аварийно").arg(name);
  if (process.exitCode() != 0) {
    const QString detail = lastErrorLine(process);
    QString reason = QStringLiteral("%1 завершилась с кодом %2").arg(name).arg(process.exitCode());
    return detail.isEmpty() ? reason : reason + QStringLiteral(" (%1)").arg(detail);
  }
  return QString();
}

}  // namespace report
