// The package's property parts: core (Dublin Core) and extended (application) properties.
#include "report/model/document_properties.h"

#include <QFileInfo>
#include <QStringList>

#include "report/docx/docx_xml.h"

namespace report {

namespace {

const QString kCore =
    QStringLiteral("http://schemas.openxmlformats.org/package/2006/metadata/core-properties");
const QString kDc = QStringLiteral("http://purl.org/dc/elements/1.1/");
const QString kDcTerms = QStringLiteral("http://purl.org/dc/terms/");
const QString kXsi = QStringLiteral("http://www.w3.org/2001/XMLSchema-instance");
const QString kExtended =
    QStringLiteral("http://schemas.openxmlformats.org/officeDocument/2006/extended-properties");

// AppVersion is "XX.YYYY": the major number, then the minor one in four digits.
QString appVersion(const QString& version) {
  const QStringList parts = version.split(QLatin1Char('.'));
  const int major = parts.value(0).toInt();
  const int minor = parts.value(1).toInt();
  return QStringLiteral("%1.%2").arg(major).arg(minor, 4, 10, QLatin1Char('0'));
}

}  // namespace

DocumentProperties reportProperties(const QString& sampleFile) {
  DocumentProperties properties;
  const QString name = QFileInfo(sampleFile).fileName();
  properties.title = name.isEmpty() ? QStringLiteral("Отчёт") : QStringLiteral("Отчёт: ") + name;
  properties.created = QDateTime::currentDateTimeUtc();
  properties.applicationVersion = QStringLiteral(TARNEK_VERSION);
  return properties;
}

namespace docx {

QByteArray corePropertiesPart(const DocumentProperties& properties) {
  return xmlPart([&](QXmlStreamWriter& xml) {
    xml.writeNamespace(kCore, QStringLiteral("cp"));
    xml.writeNamespace(kDc, QStringLiteral("dc"));
    xml.writeNamespace(kDcTerms, QStringLiteral("dcterms"));
    xml.writeNamespace(kXsi, QStringLiteral("xsi"));
    xml.writeStartElement(kCore, QStringLiteral("coreProperties"));
    if (!properties.title.isEmpty())
      xml.writeTextElement(kDc, QStringLiteral("title"), properties.title);
    if (!properties.language.isEmpty())
      xml.writeTextElement(kDc, QStringLiteral("language"), properties.language);
    if (properties.created.isValid()) {
      const QString stamp = properties.created.toUTC().toString(Qt::ISODate);
      for (const char* name : {"created", "modified"}) {
        xml.writeStartElement(kDcTerms, QLatin1String(name));
        xml.writeAttribute(kXsi, QStringLiteral("type"), QStringLiteral("dcterms:W3CDTF"));
        xml.writeCharacters(stamp);
        xml.writeEndElement();
      }
    }
    xml.writeEndElement();
  });
}

QByteArray appPropertiesPart(const DocumentProperties& properties) {
  return xmlPart([&](QXmlStreamWriter& xml) {
    xml.writeDefaultNamespace(kExtended);
    xml.writeStartElement(kExtended, QStringLiteral("Properties"));
    xml.writeTextElement(kExtended, QStringLiteral("Application"), properties.application);
    if (!properties.applicationVersion.isEmpty())
      xml.writeTextElement(kExtended, QStringLiteral("AppVersion"),
                           appVersion(properties.applicationVersion));
    xml.writeEndElement();
  });
}

}  // namespace docx
}  // namespace report
