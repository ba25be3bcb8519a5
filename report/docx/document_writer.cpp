// The main part of a .docx: paragraphs, tables and inline pictures as WordprocessingML.
#include "report/docx/document_writer.h"

#include <QXmlStreamWriter>
#include <vector>

#include "report/docx/docx_defaults.h"
#include "report/docx/docx_xml.h"
#include "report/model/table_layout.h"

namespace report {

namespace {

using docx::kR;
using docx::kW;
using docx::writeW;
using docx::writeWidth;
using docx::xmlPart;

const QString kWp =
    QStringLiteral("http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing");
const QString kA = QStringLiteral("http://schemas.openxmlformats.org/drawingml/2006/main");
const QString kPic = QStringLiteral("http://schemas.openxmlformats.org/drawingml/2006/picture");
bool isLineBreak(char32_t c) { return c == '\n' || c == '\r' || c == '\v'; }

bool needsPreserve(const QString& text) {
  return text.startsWith(QLatin1Char(' ')) || text.endsWith(QLatin1Char(' ')) ||
         text.contains(QLatin1String("  "));
}

class DocumentWriter {
 public:
  DocumentWriter(const engine::TextDocument& document, QXmlStreamWriter& xml)
      : document_(document), xml_(xml) {}

  void write() {
    xml_.writeNamespace(kW, QStringLiteral("w"));
    xml_.writeNamespace(kR, QStringLiteral("r"));
    xml_.writeNamespace(kWp, QStringLiteral("wp"));
    xml_.writeNamespace(kA, QStringLiteral("a"));
    xml_.writeNamespace(kPic, QStringLiteral("pic"));
    xml_.writeStartElement(kW, QStringLiteral("document"));
    xml_.writeStartElement(kW, QStringLiteral("body"));
    for (const engine::TextBlock& block : document_.blocks) {
      if (const auto* paragraph = std::get_if<engine::TextParagraph>(&block)) {
        writeParagraph(*paragraph);
      } else {
        writeTable(std::get<engine::TextTable>(block));
      }
    }
    // A body must not end with a table; the model keeps a paragraph there, this keeps it so.
    if (document_.blocks.empty() ||
        std::holds_alternative<engine::TextTable>(document_.blocks.back()))
      writeParagraph(engine::TextParagraph{});
    docx::writeSectionProperties(xml_);
    xml_.writeEndElement();
    xml_.writeEndElement();
  }

 private:
  void writeParagraph(const engine::TextParagraph& paragraph) {
    if (paragraph.runs.empty()) {
      writeW(xml_, "p");
      return;
    }
    xml_.writeStartElement(kW, QStringLiteral("p"));
    for (const engine::TextRun& run : paragraph.runs) {
      if (run.picture >= 0) {
        writePicture(run.picture);
      } else {
        writeTextRun(QString::fromStdString(run.text), run.style());
      }
    }
    xml_.writeEndElement();
  }

  // Plain text has no run properties at all, so a report of plain text is as it always was.
  void writeRunProperties(const engine::TextStyle& format) {
    if (format.isPlain()) return;
    xml_.writeStartElement(kW, QStringLiteral("rPr"));
    if (format.bold) writeW(xml_, "b");
    if (format.italic) writeW(xml_, "i");
    if (format.script != engine::Script::Baseline)
      docx::writeWValue(xml_, "vertAlign",
                        format.script == engine::Script::Subscript ? QStringLiteral("subscript")
                                                                   : QStringLiteral("superscript"));
    xml_.writeEndElement();
  }

  void writeTextRun(const QString& text, const engine::TextStyle& format) {
    const QString safe = xmlSafeText(text);
    if (safe.isEmpty()) return;
    xml_.writeStartElement(kW, QStringLiteral("r"));
    writeRunProperties(format);
    QString piece;
    auto flush = [&] {
      if (piece.isEmpty()) return;
      xml_.writeStartElement(kW, QStringLiteral("t"));
      if (needsPreserve(piece))
        xml_.writeAttribute(QStringLiteral("xml:space"), QStringLiteral("preserve"));
      xml_.writeCharacters(piece);
      xml_.writeEndElement();
      piece.clear();
    };
    for (qsizetype i = 0; i < safe.size(); ++i) {
      const QChar c = safe.at(i);
      if (c == QLatin1Char('\t')) {
        flush();
        writeW(xml_, "tab");
      } else if (isLineBreak(c.unicode())) {
        flush();
        writeW(xml_, "br");
        // CR LF is one break.
        if (c == QLatin1Char('\r') && i + 1 < safe.size() && safe.at(i + 1) == QLatin1Char('\n'))
          ++i;
      } else {
        piece += c;
      }
    }
    flush();
    xml_.writeEndElement();
  }

  void writePicture(int32_t index) {
    const engine::TextPicture& picture = document_.pictures[index];
    // Every picture spans the text width, keeping its proportions: a chart rendered at twice
    // the screen's density prints at about 200 dots per inch.
    const int64_t cx = int64_t{engine::kTextWidthTwips} * engine::kEmuPerTwip;
    const int64_t cy = picture.width > 0 ? cx * picture.height / picture.width : 0;
    const QString id = QString::number(++drawingId_);

    xml_.writeStartElement(kW, QStringLiteral("r"));
    xml_.writeStartElement(kW, QStringLiteral("drawing"));
    xml_.writeStartElement(kWp, QStringLiteral("inline"));
    for (const char* distance : {"distT", "distB", "distL", "distR"})
      xml_.writeAttribute(QLatin1String(distance), QStringLiteral("0"));
    xml_.writeEmptyElement(kWp, QStringLiteral("extent"));
    xml_.writeAttribute(QStringLiteral("cx"), QString::number(cx));
    xml_.writeAttribute(QStringLiteral("cy"), QString::number(cy));
    xml_.writeEmptyElement(kWp, QStringLiteral("effectExtent"));
    for (const char* side : {"l", "t", "r", "b"})
      xml_.writeAttribute(QLatin1String(side), QStringLiteral("0"));
    xml_.writeEmptyElement(kWp, QStringLiteral("docPr"));
    xml_.writeAttribute(QStringLiteral("id"), id);
    xml_.writeAttribute(QStringLiteral("name"), QStringLiteral("Рисунок %1").arg(id));
    xml_.writeStartElement(kWp, QStringLiteral("cNvGraphicFramePr"));
    xml_.writeEmptyElement(kA, QStringLiteral("graphicFrameLocks"));
    xml_.writeAttribute(QStringLiteral("noChangeAspect"), QStringLiteral("1"));
    xml_.writeEndElement();
    xml_.writeStartElement(kA, QStringLiteral("graphic"));
    xml_.writeStartElement(kA, QStringLiteral("graphicData"));
    xml_.writeAttribute(QStringLiteral("uri"), kPic);
    xml_.writeStartElement(kPic, QStringLiteral("pic"));
    xml_.writeStartElement(kPic, QStringLiteral("nvPicPr"));
    xml_.writeEmptyElement(kPic, QStringLiteral("cNvPr"));
    xml_.writeAttribute(QStringLiteral("id"), QStringLiteral("0"));
    xml_.writeAttribute(QStringLiteral("name"), QStringLiteral("image%1.png").arg(index + 1));
    xml_.writeEmptyElement(kPic, QStringLiteral("cNvPicPr"));
    xml_.writeEndElement();  // nvPicPr
    xml_.writeStartElement(kPic, QStringLiteral("blipFill"));
    xml_.writeEmptyElement(kA, QStringLiteral("blip"));
    xml_.writeAttribute(kR, QStringLiteral("embed"), pictureRelationshipId(index));
    xml_.writeStartElement(kA, QStringLiteral("stretch"));
    xml_.writeEmptyElement(kA, QStringLiteral("fillRect"));
    xml_.writeEndElement();
    xml_.writeEndElement();  // blipFill
    xml_.writeStartElement(kPic, QStringLiteral("spPr"));
    xml_.writeStartElement(kA, QStringLiteral("xfrm"));
    xml_.writeEmptyElement(kA, QStringLiteral("off"));
    xml_.writeAttribute(QStringLiteral("x"), QStringLiteral("0"));
    xml_.writeAttribute(QStringLiteral("y"), QStringLiteral("0"));
    xml_.writeEmptyElement(kA, QStringLiteral("ext"));
    xml_.writeAttribute(QStringLiteral("cx"), QString::number(cx));
    xml_.writeAttribute(QStringLiteral("cy"), QString::number(cy));
    xml_.writeEndElement();  // xfrm
    xml_.writeStartElement(kA, QStringLiteral("prstGeom"));
    xml_.writeAttribute(QStringLiteral("prst"), QStringLiteral("rect"));
    xml_.writeEmptyElement(kA, QStringLiteral("avLst"));
    xml_.writeEndElement();
    xml_.writeEndElement();  // spPr
    xml_.writeEndElement();  // pic
    xml_.writeEndElement();  // graphicData
    xml_.writeEndElement();  // graphic
    xml_.writeEndElement();  // inline
    xml_.writeEndElement();  // drawing
    xml_.writeEndElement();  // r
  }

  void writeTable(const engine::TextTable& table) {
    const std::vector<int32_t> widths = autofitColumnWidths(table, engine::kTextWidthTwips);
    int32_t tableWidth = 0;
    for (int32_t width : widths) tableWidth += width;
    xml_.writeStartElement(kW, QStringLiteral("tbl"));
    docx::writeTableProperties(xml_, tableWidth);
    xml_.writeStartElement(kW, QStringLiteral("tblGrid"));
    for (int32_t width : widths) {
      xml_.writeEmptyElement(kW, QStringLiteral("gridCol"));
      xml_.writeAttribute(kW, QStringLiteral("w"), QString::number(width));
    }
    xml_.writeEndElement();
    for (int32_t r = 0; r < table.rowCount(); ++r) {
      xml_.writeStartElement(kW, QStringLiteral("tr"));
      docx::writeRowProperties(xml_, r < engine::kRepeatedHeaderRows);
      for (int32_t c = 0; c < table.columnCount(); ++c) {
        xml_.writeStartElement(kW, QStringLiteral("tc"));
        xml_.writeStartElement(kW, QStringLiteral("tcPr"));
        writeWidth(xml_, "tcW", widths[c], "dxa");
        xml_.writeEndElement();
        const engine::TextCell& cell = table.cell(r, c);
        for (const engine::TextParagraph& paragraph : cell.paragraphs) writeParagraph(paragraph);
        // A cell must end with a paragraph.
        if (cell.paragraphs.empty()) writeParagraph(engine::TextParagraph{});
        xml_.writeEndElement();  // tc
      }
      xml_.writeEndElement();  // tr
    }
    xml_.writeEndElement();  // tbl
  }

  const engine::TextDocument& document_;
  QXmlStreamWriter& xml_;
  int32_t drawingId_ = 0;
};

}  // namespace

QString xmlSafeText(const QString& text) {
  QString safe;
  safe.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text.at(i);
    if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
      safe += c;
      safe += text.at(++i);
      continue;
    }
    const char16_t u = c.unicode();
    const bool allowed = (u >= 0x20 && !c.isSurrogate() && u != 0xFFFE && u != 0xFFFF) ||
                         u == '\t' || isLineBreak(u);
    if (allowed) safe += c;
  }
  return safe;
}

QString pictureRelationshipId(int32_t picture) {
  return QStringLiteral("rId%1").arg(picture + engine::kFirstPictureRelationship);
}

QByteArray documentPart(const engine::TextDocument& document) {
  return xmlPart([&](QXmlStreamWriter& xml) { DocumentWriter(document, xml).write(); });
}

}  // namespace report
