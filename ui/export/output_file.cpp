// Saving a file the user named: Qt's save dialog, the inputs refused, files::replaceFile.
#include "ui/export/output_file.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QScreen>
#include <algorithm>
#include <exception>
#include <string_view>

#include "files/replace_file.h"
#include "platform/data_files.h"
#include "ui/command_captions.h"
#include "ui/main_window/main_form.h"
#include "ui/message_sink.h"
#include "ui/results/result_line.h"

namespace ui {

namespace {

std::string localPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

bool hasSuffixOf(const QString& path, const std::vector<OutputKind>& kinds) {
  for (const OutputKind& kind : kinds)
    if (path.endsWith(kind.suffix, Qt::CaseInsensitive)) return true;
  return false;
}

}  // namespace

QString chooseOutputFile(TMainForm& window, const QString& title, const QString& stem,
                         const std::vector<OutputKind>& kinds) {
  if (kinds.empty()) return QString();
  const std::string& sample = window.state().FileName;
  QString folder = QDir::homePath();
  QString name = stem;
  if (sample != platform::installedExamplePath()) {
    const QFileInfo file(QFile::decodeName(sample.c_str()));
    if (file.absoluteDir().exists()) folder = file.absolutePath();
    if (!file.completeBaseName().isEmpty())
      name = stem + QLatin1Char(' ') + file.completeBaseName();
  }
  QFileDialog dialog(&window, title, QDir(folder).filePath(name + kinds.front().suffix));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  // In the windows' own type, and within the screen, which may be small for its density.
  dialog.setFont(window.layoutScale().font());
  if (const QScreen* screen = window.screen())
    dialog.resize(dialog.sizeHint().boundedTo(screen->availableGeometry().size() * 0.95));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  QStringList filters;
  for (const OutputKind& kind : kinds) filters << kind.filter;
  dialog.setNameFilters(filters);
  dialog.setDefaultSuffix(kinds.front().suffix.mid(1));
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& filter) {
    const qsizetype index = filters.indexOf(filter);
    if (index >= 0) dialog.setDefaultSuffix(kinds[static_cast<size_t>(index)].suffix.mid(1));
  });
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
  QString path = dialog.selectedFiles().front();
  if (!hasSuffixOf(path, kinds)) {
    const qsizetype index = filters.indexOf(dialog.selectedNameFilter());
    path += kinds[static_cast<size_t>(std::max<qsizetype>(index, 0))].suffix;
  }
  return path;
}

QString refusedOutput(TMainForm& window, const QString& path) {
  const std::string target = localPath(path);
  if (files::namesAnInput(target, {window.state().FileName}))
    return QString::fromUtf8(text::kIsTheSample).arg(QDir::toNativeSeparators(path));
  if (files::namesAnInput(target, {platform::criticalPointsPath()}))
    return QString::fromUtf8(text::kIsTheTable).arg(QDir::toNativeSeparators(path));
  return QString();
}

QString writeOutputFile(const QString& path, const QByteArray& bytes) {
  std::string reason;
  if (files::replaceFile(localPath(path),
                         std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())),
                         reason))
    return QString();
  return QString::fromLocal8Bit(reason.c_str());
}

bool saveOutput(TMainForm& window, const QString& path, const std::function<QByteArray()>& build,
                const char* savedMessage) {
  const QString refused = refusedOutput(window, path);
  if (!refused.isEmpty()) {
    showMessageBox(refused);
    return false;
  }
  QByteArray bytes;
  try {
    bytes = build();
  } catch (const std::exception& error) {
    showMessageBox(QString::fromUtf8(text::kNotSaved).arg(path, QString::fromUtf8(error.what())));
    return false;
  }
  const QString absolute = QFileInfo(path).absoluteFilePath();
  const QString failure = writeOutputFile(absolute, bytes);
  if (!failure.isEmpty()) {
    showMessageBox(
        QString::fromUtf8(text::kNotSaved).arg(QDir::toNativeSeparators(absolute), failure));
    return false;
  }
  window.Result->showNotice(
      QString::fromUtf8(savedMessage).arg(QDir::toNativeSeparators(absolute)));
  return true;
}

}  // namespace ui
