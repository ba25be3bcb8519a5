// Writing a report file with plain system calls, so every failure keeps its errno.
#include "report/delivery/new_report_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDateTime>
#include <QDir>
#include <cerrno>
#include <cstdio>

#include "report/automation/automation_error.h"

namespace report {

namespace {

// How many " (n)" suffixes to try when reports are made within the same second.
constexpr int kMaxNameAttempts = 1000;

QString reportFileName(const QString& stamp, int attempt) {
  const QString base = QStringLiteral("Отчёт %1").arg(stamp);
  return attempt == 1 ? base + QStringLiteral(".docx")
                      : QStringLiteral("%1 (%2).docx").arg(base).arg(attempt);
}

[[noreturn]] void fail(const QString& folder, int error) {
  throw AutomationError(writeOperation(folder), qt_error_string(error));
}

// Renames without replacing: false with errno EEXIST when `to` is taken.
bool renameNew(const QByteArray& from, const QByteArray& to) {
  if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
    return true;
  if (errno != EINVAL && errno != ENOSYS) return false;
  // A file system without the flag: a hard link fails the same way on a taken name.
  if (::link(from.constData(), to.constData()) != 0) return false;
  ::unlink(from.constData());
  return true;
}

void writeAll(int fd, const QByteArray& bytes, const QString& folder) {
  const char* data = bytes.constData();
  qsizetype left = bytes.size();
  while (left > 0) {
    const ssize_t written = ::write(fd, data, static_cast<size_t>(left));
    if (written < 0) {
      if (errno == EINTR) continue;
      fail(folder, errno);
    }
    data += written;
    left -= written;
  }
}

}  // namespace

QString reportTempFolder() {
  const QString folder = qEnvironmentVariable("TMPDIR");
  if (folder.isEmpty()) return QStringLiteral("/tmp");
  return QDir::cleanPath(QDir::current().absoluteFilePath(folder));
}

QString writeOperation(const QString& folder) {
  return QStringLiteral("запись документа во временную папку (TMPDIR) %1")
      .arg(QDir::toNativeSeparators(folder));
}

QString writeNewReportFile(const QByteArray& docx, const QString& folder) {
  // A relative folder would put the report wherever the program happens to run.
  if (folder.isEmpty() || QDir::isRelativePath(folder)) fail(folder, ENOENT);
  const QByteArray folderBytes = QFile::encodeName(folder);
  struct stat status {};
  if (::stat(folderBytes.constData(), &status) != 0) fail(folder, errno);
  if (!S_ISDIR(status.st_mode)) fail(folder, ENOTDIR);

  QByteArray temporary = folderBytes + "/.tarnek-XXXXXX.part";
  const int fd = ::mkostemps(temporary.data(), 5, O_CLOEXEC);
  if (fd < 0) fail(folder, errno);
  try {
    writeAll(fd, docx, folder);
  } catch (...) {
    ::close(fd);
    ::unlink(temporary.constData());
    throw;
  }
  // Some file systems report a full disk only when the file is closed.
  if (::close(fd) != 0) {
    const int error = errno;
    ::unlink(temporary.constData());
    fail(folder, error);
  }

  const QString stamp =
      QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH-mm-ss"));
  const QDir dir(folder);
  for (int attempt = 1; attempt <= kMaxNameAttempts; ++attempt) {
    QString path = dir.absoluteFilePath(reportFileName(stamp, attempt));
    if (renameNew(temporary, QFile::encodeName(path))) return path;
    if (errno == EEXIST) continue;
    const int error = errno;
    ::unlink(temporary.constData());
    fail(folder, error);
  }
  ::unlink(temporary.constData());
  fail(folder, EEXIST);
}

}  // namespace report
