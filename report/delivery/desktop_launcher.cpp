// Running the desktop's launcher with a time limit, without freezing the window meanwhile.
#include "report/delivery/desktop_launcher.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTimer>
#include <cerrno>
#include <cstdio>
#include <vector>

namespace report {

namespace {

// How often the wait looks at the launcher, and how often a launcher left running is looked at
// until it ends, so that it does not linger as a zombie.
constexpr int kPollMs = 20;
constexpr int kReapPollMs = 1000;
// Only the end of the launcher's error output is read.
constexpr qint64 kErrorTail = 4096;

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

// The launcher's last line on its error output says best what went wrong. The output goes to
// an unnamed file, not a pipe: an application the launcher keeps in the foreground may write to
// it long after the wait, and must neither block nor be killed by a closed pipe.
QString lastErrorLine(int fd) {
  if (fd < 0) return QString();
  const off_t size = ::lseek(fd, 0, SEEK_END);
  if (size <= 0) return QString();
  const off_t start = size > kErrorTail ? size - kErrorTail : 0;
  QByteArray tail(static_cast<qsizetype>(size - start), '\0');
  const ssize_t got = ::pread(fd, tail.data(), static_cast<size_t>(tail.size()), start);
  if (got <= 0) return QString();
  tail.truncate(got);
  const QStringList lines =
      QString::fromLocal8Bit(tail).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  return lines.isEmpty() ? QString() : lines.last().trimmed().left(300);
}

// Looks at a launcher that outlived the wait until it ends, then lets it go.
void reapLater(pid_t pid) {
  QCoreApplication* application = QCoreApplication::instance();
  if (application == nullptr) return;
  auto* timer = new QTimer(application);
  QObject::connect(timer, &QTimer::timeout, timer, [timer, pid] {
    int status = 0;
    const pid_t done = ::waitpid(pid, &status, WNOHANG);
    if (done == pid || (done < 0 && errno == ECHILD)) timer->deleteLater();
  });
  timer->start(kReapPollMs);
}

class Spawn {
 public:
  Spawn() { ::posix_spawn_file_actions_init(&actions_); }
  ~Spawn() {
    ::posix_spawn_file_actions_destroy(&actions_);
    if (errors_ != nullptr) std::fclose(errors_);
  }
  Spawn(const Spawn&) = delete;
  Spawn& operator=(const Spawn&) = delete;

  // 0, or the errno of the failed start.
  int start(const Launcher& launcher) {
    errors_ = std::tmpfile();
    ::posix_spawn_file_actions_addopen(&actions_, 0, "/dev/null", O_RDONLY, 0);
    ::posix_spawn_file_actions_addopen(&actions_, 1, "/dev/null", O_WRONLY, 0);
    if (errors_ != nullptr) {
      ::posix_spawn_file_actions_adddup2(&actions_, ::fileno(errors_), 2);
      if (::fileno(errors_) != 2) ::posix_spawn_file_actions_addclose(&actions_, ::fileno(errors_));
    }
    const QByteArray program = QFile::encodeName(launcher.program);
    std::vector<QByteArray> arguments{program};
    arguments.reserve(static_cast<size_t>(launcher.arguments.size()) + 1);
    for (const QString& argument : launcher.arguments)
      arguments.push_back(QFile::encodeName(argument));
    std::vector<char*> argv;
    argv.reserve(arguments.size() + 1);
    for (QByteArray& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    return ::posix_spawn(&pid_, program.constData(), &actions_, nullptr, argv.data(), environ);
  }

  pid_t pid() const { return pid_; }
  int errorFd() const { return errors_ == nullptr ? -1 : ::fileno(errors_); }

 private:
  posix_spawn_file_actions_t actions_;
  std::FILE* errors_ = nullptr;
  pid_t pid_ = -1;
};

}  // namespace

QString openWithDesktopLauncher(const QString& path, std::chrono::milliseconds timeout) {
  const Launcher launcher = findLauncher(path);
  if (launcher.program.isEmpty())
    return QStringLiteral("не найдена программа для открытия файлов (xdg-open или gio)");
  const QString name = QFileInfo(launcher.program).fileName();

  Spawn spawn;
  if (const int error = spawn.start(launcher); error != 0)
    return QStringLiteral("не удалось запустить %1: %2").arg(name, qt_error_string(error));

  int status = 0;
  pid_t done = 0;
  const auto finished = [&] {
    do {
      done = ::waitpid(spawn.pid(), &status, WNOHANG);
    } while (done < 0 && errno == EINTR);
    return done != 0;
  };
  if (!finished()) {
    // The window repaints meanwhile; clicks and keys wait, so no second report starts inside.
    QEventLoop loop;
    QTimer poll;
    QElapsedTimer clock;
    clock.start();
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
      if (finished() || clock.elapsed() >= timeout.count()) loop.quit();
    });
    poll.start(kPollMs);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
  }

  if (done == 0) {
    // Still running: it has started the application, which some launchers then wait for in the
    // foreground. It is left running, and so is whatever it started.
    reapLater(spawn.pid());
    return QString();
  }
  if (done < 0) return QString();  // already reaped elsewhere: nothing says it failed
  if (!WIFEXITED(status)) return QStringLiteral("%1 завершилась аварийно").arg(name);
  if (WEXITSTATUS(status) != 0) {
    const QString detail = lastErrorLine(spawn.errorFd());
    const QString reason =
        QStringLiteral("%1 завершилась с кодом %2").arg(name).arg(WEXITSTATUS(status));
    return detail.isEmpty() ? reason : reason + QStringLiteral(" (%1)").arg(detail);
  }
  return QString();
}

}  // namespace report
