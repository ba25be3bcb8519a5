// The last files opened, the one thing the program remembers from one start to the next.
#include "ui/main_window/recent_files.h"

#include <QFileInfo>
#include <QSettings>

namespace ui {

namespace {

const char* const kKey = "recentFiles";

// ~/.config/tarnek/tarnek.conf on Linux.
QSettings settings() {
  return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("tarnek"),
                   QStringLiteral("tarnek"));
}

QString absolute(const QString& path) { return QFileInfo(path).absoluteFilePath(); }

void store(QStringList files) {
  files.removeAll(QString());
  files.removeDuplicates();
  while (files.size() > kRecentFileCount) files.removeLast();
  settings().setValue(QLatin1String(kKey), files);
}

}  // namespace

QStringList recentFiles() {
  QStringList files = settings().value(QLatin1String(kKey)).toStringList();
  // A settings file edited by hand may hold anything; only this much is shown.
  files.removeAll(QString());
  files.removeDuplicates();
  while (files.size() > kRecentFileCount) files.removeLast();
  return files;
}

void rememberRecentFile(const QString& path) {
  const QString file = absolute(path);
  QStringList files = recentFiles();
  files.removeAll(file);
  files.prepend(file);
  store(files);
}

void forgetRecentFile(const QString& path) {
  QStringList files = recentFiles();
  files.removeAll(absolute(path));
  files.removeAll(path);
  store(files);
}

void clearRecentFiles() { settings().remove(QLatin1String(kKey)); }

}  // namespace ui
