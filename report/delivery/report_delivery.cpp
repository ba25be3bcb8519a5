// Where finished report documents go: a new file in the temp folder, opened; or a chosen file.
#include "report/delivery/report_delivery.h"

#include <QDir>
#include <QFile>
#include <string_view>

#include "files/replace_file.h"
#include "report/automation/automation_error.h"
#include "report/content/report_format.h"
#include "report/delivery/desktop_launcher.h"
#include "report/delivery/new_report_file.h"
#include "report/docx/docx_writer.h"

namespace report {

namespace {

const QString kShowOperation = QStringLiteral("Application.Visible");

QByteArray documentBytes(const DocumentModel& document, ReportFormat format = ReportFormat::Docx) {
  try {
    return reportBytes(document, format);
  } catch (const std::runtime_error& error) {
    throw AutomationError(
        kShowOperation,
        QStringLiteral("не удалось собрать документ: %1").arg(QString::fromUtf8(error.what())));
  }
}

// The message shown when no application opened the report at `path`, and why.
QString reportNotOpenedMessage(const QString& path, const QString& reason) {
  const QString opening = reason.isEmpty()
                              ? QStringLiteral("Не удалось открыть отчёт.")
                              : QStringLiteral("Не удалось открыть отчёт: %1.").arg(reason);
  return QStringLiteral("%1 Он сохранён в файле:\n%2").arg(opening, QDir::toNativeSeparators(path));
}

}  // namespace

DocumentDelivery openInFolder(const QString& folder, FileOpener opener, NotifyUser message) {
  return [folder, opener = std::move(opener),
          message = std::move(message)](const DocumentModel& document) {
    const QString path = writeNewReportFile(documentBytes(document), folder);
    const QString failure =
        opener ? opener(path) : QStringLiteral("нет программы для открытия файлов");
    if (!failure.isEmpty() && message) message(reportNotOpenedMessage(path, failure));
  };
}

DocumentDelivery saveToFile(const QString& path, ReportFormat format) {
  return [path, format](const DocumentModel& document) {
    const QByteArray bytes = documentBytes(document, format);
    std::string reason;
    if (!files::replaceFile(QFile::encodeName(path).toStdString(),
                            std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())),
                            reason)) {
      throw AutomationError(kShowOperation, QStringLiteral("не удалось записать файл «%1»: %2")
                                                .arg(QDir::toNativeSeparators(path),
                                                     QString::fromLocal8Bit(reason.c_str())));
    }
  };
}

DocumentDelivery keepInMemory(QByteArray& bytes, ReportFormat format) {
  return
      [&bytes, format](const DocumentModel& document) { bytes = documentBytes(document, format); };
}

std::unique_ptr<WordApplication> makeDesktopWordApplication(NotifyUser message,
                                                            SampleFileName sampleFile) {
  // The folder is read once per report, so a TMPDIR fixed meanwhile counts.
  DocumentDelivery deliver = [message = std::move(message)](const DocumentModel& document) {
    openInFolder(
        reportTempFolder(), [](const QString& path) { return openWithDesktopLauncher(path); },
        message)(document);
  };
  PropertiesSource properties = [sampleFile = std::move(sampleFile)] {
    return reportProperties(sampleFile ? sampleFile() : QString());
  };
  return std::make_unique<DocumentApplication>(std::move(deliver), systemClipboardPicture,
                                               std::move(properties));
}

}  // namespace report
