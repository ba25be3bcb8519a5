// What a document says about itself: title, creation time, language, the application.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace report {

struct DocumentProperties {
  QString title;
  QDateTime created;  // invalid: not known, left out
  QString language = QStringLiteral("ru-RU");
  QString application = QStringLiteral("Tarnek");
  QString applicationVersion;  // "major.minor"; empty: left out
};

// A report's properties: "Отчёт: " and the name of the sample file (without its folder),
// created now, by this program at its build's version.
DocumentProperties reportProperties(const QString& sampleFile);

namespace docx {
// docProps/core.xml and docProps/app.xml.
QByteArray corePropertiesPart(const DocumentProperties& properties);
QByteArray appPropertiesPart(const DocumentProperties& properties);
}  // namespace docx

}  // namespace report
