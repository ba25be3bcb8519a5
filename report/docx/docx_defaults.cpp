// The new document's defaults: the fixed parts, and the table and section properties.
#include "report/docx/docx_defaults.h"

#include <QFile>
#include <stdexcept>
#include <string>

#include "report/docx/docx_xml.h"

namespace report::docx {

namespace {

void writeBorders(QXmlStreamWriter& xml) {
  xml.writeStartElement(kW, QStringLiteral("tblBorders"));
  for (const char* side : {"top", "left", "bottom", "right", "insideH", "insideV"}) {
    xml.writeEmptyElement(kW, QLatin1String(side));
    xml.writeAttribute(kW, QStringLiteral("val"), QStringLiteral("single"));
    xml.writeAttribute(kW, QStringLiteral("sz"), QString::number(engine::kBorderEighthPoints));
    xml.writeAttribute(kW, QStringLiteral("space"), QStringLiteral("0"));
    xml.writeAttribute(kW, QStringLiteral("color"), QStringLiteral("auto"));
  }
  xml.writeEndElement();
}

void writeCellMargins(QXmlStreamWriter& xml) {
  xml.writeStartElement(kW, QStringLiteral("tblCellMar"));
  writeWidth(xml, "top", 0, "dxa");
  writeWidth(xml, "left", engine::kCellMarginTwips, "dxa");
  writeWidth(xml, "bottom", 0, "dxa");
  writeWidth(xml, "right", engine::kCellMarginTwips, "dxa");
  xml.writeEndElement();
}

}  // namespace

QByteArray fixedPart(const char* name) {
  QFile file(QStringLiteral(":/docx/") + QLatin1String(name));
  if (!file.open(QIODevice::ReadOnly))
    throw std::logic_error(std::string("the report's part is missing: ") + name);
  // Stored one element a line for reading; written without the indentation, as one line.
  QByteArray part;
  for (const QByteArray& line : file.readAll().split('\n')) part += line.trimmed();
  return part + '\n';
}

void writeTableProperties(QXmlStreamWriter& xml, int32_t widthTwips) {
  xml.writeStartElement(kW, QStringLiteral("tblPr"));
  writeWValue(xml, "tblStyle", QStringLiteral("TableGrid"));
  writeWidth(xml, "tblW", widthTwips, "dxa");
  writeBorders(xml);
  // Autofit: a word processor that lays tables out itself widens columns to their contents.
  xml.writeEmptyElement(kW, QStringLiteral("tblLayout"));
  xml.writeAttribute(kW, QStringLiteral("type"), QStringLiteral("autofit"));
  writeCellMargins(xml);
  xml.writeEndElement();
}

void writeRowProperties(QXmlStreamWriter& xml, bool header) {
  xml.writeStartElement(kW, QStringLiteral("trPr"));
  writeW(xml, "cantSplit");
  if (header) writeW(xml, "tblHeader");
  xml.writeEndElement();
}

void writeSectionProperties(QXmlStreamWriter& xml) {
  xml.writeStartElement(kW, QStringLiteral("sectPr"));
  xml.writeEmptyElement(kW, QStringLiteral("pgSz"));
  xml.writeAttribute(kW, QStringLiteral("w"), QString::number(engine::kPageWidthTwips));
  xml.writeAttribute(kW, QStringLiteral("h"), QString::number(engine::kPageHeightTwips));
  xml.writeEmptyElement(kW, QStringLiteral("pgMar"));
  for (const char* side : {"top", "right", "bottom", "left"})
    xml.writeAttribute(kW, QLatin1String(side), QString::number(engine::kMarginTwips));
  xml.writeAttribute(kW, QStringLiteral("header"), QString::number(engine::kHeaderFooterTwips));
  xml.writeAttribute(kW, QStringLiteral("footer"), QString::number(engine::kHeaderFooterTwips));
  xml.writeAttribute(kW, QStringLiteral("gutter"), QStringLiteral("0"));
  xml.writeEmptyElement(kW, QStringLiteral("cols"));
  xml.writeAttribute(kW, QStringLiteral("space"), QString::number(engine::kDefaultTabStopTwips));
  xml.writeEndElement();
}

}  // namespace report::docx
