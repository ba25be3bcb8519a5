// The new document's defaults: styles.xml, settings.xml, and the table and section properties.
#include "docx_defaults.h"

#include "docx_xml.h"

namespace report::docx {

namespace {

// Single 1/2-point borders.
constexpr const char* kBorderSize = "4";
constexpr int32_t kHeaderFooterTwips = 708;
constexpr int32_t kDefaultTabStopTwips = 708;

void writeBorders(QXmlStreamWriter& xml) {
  xml.writeStartElement(kW, QStringLiteral("tblBorders"));
  for (const char* side : {"top", "left", "bottom", "right", "insideH", "insideV"}) {
    xml.writeEmptyElement(kW, QLatin1String(side));
    xml.writeAttribute(kW, QStringLiteral("val"), QStringLiteral("single"));
    xml.writeAttribute(kW, QStringLiteral("sz"), QLatin1String(kBorderSize));
    xml.writeAttribute(kW, QStringLiteral("space"), QStringLiteral("0"));
    xml.writeAttribute(kW, QStringLiteral("color"), QStringLiteral("auto"));
  }
  xml.writeEndElement();
}

void writeCellMargins(QXmlStreamWriter& xml) {
  xml.writeStartElement(kW, QStringLiteral("tblCellMar"));
  writeWidth(xml, "top", 0, "dxa");
  writeWidth(xml, "left", kCellMarginTwips, "dxa");
  writeWidth(xml, "bottom", 0, "dxa");
  writeWidth(xml, "right", kCellMarginTwips, "dxa");
  xml.writeEndElement();
}

void writeRunDefaults(QXmlStreamWriter& xml) {
  xml.writeStartElement(kW, QStringLiteral("rPr"));
  xml.writeEmptyElement(kW, QStringLiteral("rFonts"));
  for (const char* script : {"ascii", "eastAsia", "hAnsi", "cs"})
    xml.writeAttribute(kW, QLatin1String(script), QLatin1String(kNormalFont));
  writeWValue(xml, "sz", QString::number(kNormalFontHalfPoints));
  writeWValue(xml, "szCs", QString::number(kNormalFontHalfPoints));
  xml.writeEmptyElement(kW, QStringLiteral("lang"));
  xml.writeAttribute(kW, QStringLiteral("val"), QLatin1String(kLanguage));
  xml.writeAttribute(kW, QStringLiteral("eastAsia"), QLatin1String(kLanguage));
  xml.writeAttribute(kW, QStringLiteral("bidi"), QStringLiteral("ar-SA"));
  xml.writeEndElement();
}

// Single line spacing and no space before or after a paragraph.
void writeParagraphDefaults(QXmlStreamWriter& xml) {
  xml.writeStartElement(kW, QStringLiteral("pPr"));
  xml.writeEmptyElement(kW, QStringLiteral("spacing"));
  xml.writeAttribute(kW, QStringLiteral("before"), QStringLiteral("0"));
  xml.writeAttribute(kW, QStringLiteral("after"), QStringLiteral("0"));
  xml.writeAttribute(kW, QStringLiteral("line"), QStringLiteral("240"));
  xml.writeAttribute(kW, QStringLiteral("lineRule"), QStringLiteral("auto"));
  xml.writeEndElement();
}

}  // namespace

QByteArray stylesPart() {
  return xmlPart([&](QXmlStreamWriter& xml) {
    xml.writeNamespace(kW, QStringLiteral("w"));
    xml.writeStartElement(kW, QStringLiteral("styles"));

    xml.writeStartElement(kW, QStringLiteral("docDefaults"));
    xml.writeStartElement(kW, QStringLiteral("rPrDefault"));
    writeRunDefaults(xml);
    xml.writeEndElement();
    xml.writeStartElement(kW, QStringLiteral("pPrDefault"));
    writeParagraphDefaults(xml);
    xml.writeEndElement();
    xml.writeEndElement();  // docDefaults

    auto startStyle = [&](const char* type, const char* id, const char* name, bool isDefault) {
      xml.writeStartElement(kW, QStringLiteral("style"));
      xml.writeAttribute(kW, QStringLiteral("type"), QLatin1String(type));
      if (isDefault) xml.writeAttribute(kW, QStringLiteral("default"), QStringLiteral("1"));
      xml.writeAttribute(kW, QStringLiteral("styleId"), QLatin1String(id));
      writeWValue(xml, "name", QLatin1String(name));
    };

    // Normal says its face and size itself, so a reader with other defaults still shows them.
    startStyle("paragraph", "Normal", "Normal", true);
    writeW(xml, "qFormat");
    writeParagraphDefaults(xml);
    writeRunDefaults(xml);
    xml.writeEndElement();

    startStyle("character", "DefaultParagraphFont", "Default Paragraph Font", true);
    writeWValue(xml, "uiPriority", QStringLiteral("1"));
    writeW(xml, "semiHidden");
    writeW(xml, "unhideWhenUsed");
    xml.writeEndElement();

    startStyle("table", "TableNormal", "Normal Table", true);
    writeWValue(xml, "uiPriority", QStringLiteral("99"));
    writeW(xml, "semiHidden");
    writeW(xml, "unhideWhenUsed");
    xml.writeStartElement(kW, QStringLiteral("tblPr"));
    writeWidth(xml, "tblInd", 0, "dxa");
    writeCellMargins(xml);
    xml.writeEndElement();
    xml.writeEndElement();

    startStyle("table", "TableGrid", "Table Grid", false);
    writeWValue(xml, "basedOn", QStringLiteral("TableNormal"));
    writeWValue(xml, "uiPriority", QStringLiteral("59"));
    xml.writeStartElement(kW, QStringLiteral("tblPr"));
    writeBorders(xml);
    writeCellMargins(xml);
    xml.writeEndElement();
    xml.writeEndElement();

    xml.writeEndElement();  // styles
  });
}

QByteArray settingsPart() {
  return xmlPart([&](QXmlStreamWriter& xml) {
    xml.writeNamespace(kW, QStringLiteral("w"));
    xml.writeStartElement(kW, QStringLiteral("settings"));
    writeWValue(xml, "defaultTabStop", QString::number(kDefaultTabStopTwips));
    writeWValue(xml, "characterSpacingControl", QStringLiteral("doNotCompress"));
    xml.writeStartElement(kW, QStringLiteral("compat"));
    xml.writeEmptyElement(kW, QStringLiteral("compatSetting"));
    xml.writeAttribute(kW, QStringLiteral("name"), QStringLiteral("compatibilityMode"));
    xml.writeAttribute(kW, QStringLiteral("uri"), QStringLiteral("http://schemas.microsoft.com/office/word"));
    xml.writeAttribute(kW, QStringLiteral("val"), QStringLiteral("15"));
    xml.writeEndElement();
    xml.writeEmptyElement(kW, QStringLiteral("themeFontLang"));
    xml.writeAttribute(kW, QStringLiteral("val"), QLatin1String(kLanguage));
    xml.writeEndElement();  // settings
  });
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
  xml.writeAttribute(kW, QStringLiteral("w"), QString::number(kPageWidthTwips));
  xml.writeAttribute(kW, QStringLiteral("h"), QString::number(kPageHeightTwips));
  xml.writeEmptyElement(kW, QStringLiteral("pgMar"));
  for (const char* side : {"top", "right", "bottom", "left"})
    xml.writeAttribute(kW, QLatin1String(side), QString::number(kMarginTwips));
  xml.writeAttribute(kW, QStringLiteral("header"), QString::number(kHeaderFooterTwips));
  xml.writeAttribute(kW, QStringLiteral("footer"), QString::number(kHeaderFooterTwips));
  xml.writeAttribute(kW, QStringLiteral("gutter"), QStringLiteral("0"));
  xml.writeEmptyElement(kW, QStringLiteral("cols"));
  xml.writeAttribute(kW, QStringLiteral("space"), QString::number(kDefaultTabStopTwips));
  xml.writeEndElement();
}

}  // namespace report::docx
