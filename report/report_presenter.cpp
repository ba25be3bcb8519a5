// Report documents written to files: unique names, temporary file then rename, opening.
#include "report_presenter.h"

#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include "automation_error.h"
#include "docx_writer.h"

namespace report {

namespace {

const QString kShowOperation = QStringLiteral("Application.Visible");
// How many " (n)" suffixes to try when reports are made within the same second.
constexpr int kMaxNameAttempts = 1000;

QByteArray documentBytes(const DocumentModel& document) {
  try {
    return docxBytes(document);
  } catch (const std::runtime_error& error) {
    throw AutomationError(
        kShowOperation,
        QStringLiteral("не удалось собрать документ: %1").arg(QString::fromUtf8(error.what())));
  }
}

QString reportFileName(const QString& stamp, int attempt) {
  const QString base = QStringLiteral("Отчёт %1").arg(stamp);
  return attempt == 1 ? base + QStringLiteral(".docx")
                      : QStringLiteral("%1 (%2).docx").arg(base).arg(attempt);
}

}  // namespace

QString writeNewReportFile(const QByteArray& docx, const QString& folder) {
  const QString nativeFolder = QDir::toNativeSeparators(folder);
  auto failure = [&](const QString& reason) {
    return AutomationError(
        kShowOperation,
        QStringLiteral("не удалось записать отчёт в папку «%1»: %2").arg(nativeFolder, reason));
  };

  QTemporaryFile temporary(QDir(folder).filePath(QStringLiteral(".tarnek-XXXXXX.part")));
  if (!temporary.open()) throw failure(temporary.errorString());
  if (temporary.write(docx) != docx.size() || !temporary.flush())
    throw failure(temporary.errorString());
  temporary.close();
  temporary.setAutoRemove(false);

  // rename does not replace an existing file, so a taken name means: try the next one.
  const QString stamp =
      QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH-mm-ss"));
  const QDir dir(folder);
  QFile written(temporary.fileName());
  for (int attempt = 1; attempt <= kMaxNameAttempts; ++attempt) {
    const QString path = dir.absoluteFilePath(reportFileName(stamp, attempt));
    if (QFile::exists(path)) continue;
    if (written.rename(path)) return path;
    if (QFile::exists(path)) continue;  // taken meanwhile
    const QString reason = written.errorString();
    written.remove();
    throw failure(reason);
  }
  written.remove();
  throw failure(QStringLiteral("нет свободного имени файла"));
}

QString reportNotOpenedMessage(const QString& path) {
  return QStringLiteral("Не удалось открыть отчёт. Он сохранён в файле:\n%1")
      .arg(QDir::toNativeSeparators(path));
}

DocumentPresenter openInFolder(const QString& folder, FileOpener opener, MessageSink message) {
  return [folder, opener = std::move(opener),
          message = std::move(message)](const DocumentModel& document) {
    const QString path = writeNewReportFile(documentBytes(document), folder);
    const bool opened = opener && opener(QUrl::fromLocalFile(path));
    if (!opened && message) message(reportNotOpenedMessage(path));
  };
}

DocumentPresenter saveToFile(const QString& path) {
  return [path](const DocumentModel& document) {
    const QByteArray bytes = documentBytes(document);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
      throw AutomationError(kShowOperation,
                            QStringLiteral("не удалось записать файл «%1»: %2")
                                .arg(QDir::toNativeSeparators(path), file.errorString()));
    }
  };
}

std::unique_ptr<WordApplication> makeDesktopWordApplication(MessageSink message) {
  return std::make_unique<DocumentApplication>(
      openInFolder(
          QDir::tempPath(), [](const QUrl& url) { return QDesktopServices::openUrl(url); },
          std::move(message)),
      systemClipboardPicture);
}

}  // namespace report
