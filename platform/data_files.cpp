// Where the program finds its critical-point table and its first sample.
#include "platform/data_files.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QString>

namespace platform {

namespace {

bool inWorkingDirectory(const char* name) { return QFileInfo(QString::fromUtf8(name)).isFile(); }

std::string installed(const char* name) {
  const QString path = QStandardPaths::locate(QStandardPaths::GenericDataLocation,
                                              QStringLiteral("tarnek/") + QString::fromUtf8(name));
  return QFile::encodeName(path).toStdString();
}

}  // namespace

std::string criticalPointsPath() {
  if (inWorkingDirectory(kTableFile)) return kTableFile;
  const std::string path = installed(kTableFile);
  return path.empty() ? kTableFile : path;
}

std::string installedExamplePath() { return installed(kDefaultSample); }

std::string firstSampleName(const std::optional<std::string>& argument) {
  if (argument) return *argument;
  if (inWorkingDirectory(kDefaultSample)) return kDefaultSample;
  const std::string example = installedExamplePath();
  return example.empty() ? kDefaultSample : example;
}

}  // namespace platform
