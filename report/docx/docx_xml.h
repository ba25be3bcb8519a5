// Shared pieces of the .docx parts: namespaces and small element writers.
#pragma once

#include <QByteArray>
#include <QLatin1String>
#include <QString>
#include <QXmlStreamWriter>
#include <cstdint>

namespace report::docx {

inline const QString kW =
    QStringLiteral("http://schemas.openxmlformats.org/wordprocessingml/2006/main");
inline const QString kR =
    QStringLiteral("http://schemas.openxmlformats.org/officeDocument/2006/relationships");

// One XML part, written by `body` into a standalone UTF-8 document.
template <typename Body>
QByteArray xmlPart(Body body) {
  QByteArray out;
  QXmlStreamWriter xml(&out);
  xml.writeStartDocument(QStringLiteral("1.0"), true);
  body(xml);
  xml.writeEndDocument();
  return out;
}

inline void writeW(QXmlStreamWriter& xml, const char* name) {
  xml.writeEmptyElement(kW, QLatin1String(name));
}

inline void writeWValue(QXmlStreamWriter& xml, const char* name, const QString& value) {
  xml.writeEmptyElement(kW, QLatin1String(name));
  xml.writeAttribute(kW, QStringLiteral("val"), value);
}

inline void writeWidth(QXmlStreamWriter& xml, const char* name, int32_t twips, const char* type) {
  xml.writeEmptyElement(kW, QLatin1String(name));
  xml.writeAttribute(kW, QStringLiteral("w"), QString::number(twips));
  xml.writeAttribute(kW, QStringLiteral("type"), QLatin1String(type));
}

}  // namespace report::docx
