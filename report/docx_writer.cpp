// The .docx writer: XML parts through QXmlStreamWriter, the container through libzip.
#include "docx_writer.h"

#include <zip.h>

#include <QXmlStreamWriter>
#include <stdexcept>
#include <vector>

#include "document_properties.h"
#include "docx_defaults.h"
#include "docx_xml.h"
#include "table_layout.h"

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
const QString kRelationships =
    QStringLiteral("http://schemas.openxmlformats.org/package/2006/relationships");
const QString kContentTypes =
    QStringLiteral("http://schemas.openxmlformats.org/package/2006/content-types");
const QString kRelationshipType =
    QStringLiteral("http://schemas.openxmlformats.org/officeDocument/2006/relationships/");
const QString kCorePropertiesType = QStringLiteral(
    "http://schemas.openxmlformats.org/package/2006/relationships/metadata/core-properties");

constexpr int64_t kEmuPerTwip = 635;
// The styles' and the settings' relationships come first; pictures follow.
constexpr int32_t kFirstPictureRelationship = 3;

QString pictureRelationshipId(int32_t picture) {
  return QStringLiteral("rId%1").arg(picture + kFirstPictureRelationship);
}

QString pictureMediaName(int32_t picture) {
  return QStringLiteral("media/image%1.png").arg(picture + 1);
}

bool isLineBreak(char32_t c) { return c == '\n' || c == '\r' || c == '\v'; }

bool needsPreserve(const QString& text) {
  return text.startsWith(QLatin1Char(' ')) || text.endsWith(QLatin1Char(' ')) ||
         text.contains(QLatin1String("  "));
}

class DocumentWriter {
 public:
  DocumentWriter(const DocumentModel& document, QXmlStreamWriter& xml)
      : document_(document), xml_(xml) {}

  void write() {
    xml_.writeNamespace(kW, QStringLiteral("w"));
    xml_.writeNamespace(kR, QStringLiteral("r"));
    xml_.writeNamespace(kWp, QStringLiteral("wp"));
    xml_.writeNamespace(kA, QStringLiteral("a"));
    xml_.writeNamespace(kPic, QStringLiteral("pic"));
    xml_.writeStartElement(kW, QStringLiteral("document"));
    xml_.writeStartElement(kW, QStringLiteral("body"));
    for (const Block& block : document_.blocks()) {
      if (const auto* paragraph = std::get_if<Paragraph>(&block)) {
        writeParagraph(*paragraph);
      } else {
        writeTable(std::get<Table>(block));
      }
    }
    // A body must not end with a table; the model keeps a paragraph there, this keeps it so.
    if (document_.blocks().empty() || std::holds_alternative<Table>(document_.blocks().back()))
      writeParagraph(Paragraph{});
    docx::writeSectionProperties(xml_);
    xml_.writeEndElement();
    xml_.writeEndElement();
  }

 private:
  void writeParagraph(const Paragraph& paragraph) {
    if (paragraph.runs.empty()) {
      writeW(xml_, "p");
      return;
    }
    xml_.writeStartElement(kW, QStringLiteral("p"));
    for (const Run& run : paragraph.runs) {
      if (run.picture >= 0) {
        writePicture(run.picture);
      } else {
        writeTextRun(run.text);
      }
    }
    xml_.writeEndElement();
  }

  void writeTextRun(const QString& text) {
    const QString safe = xmlSafeText(text);
    if (safe.isEmpty()) return;
    xml_.writeStartElement(kW, QStringLiteral("r"));
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
    const Picture& picture = document_.pictures()[index];
    // Every picture spans the text width, keeping its proportions: a chart rendered at twice
    // the screen's density prints at about 200 dots per inch.
    const int64_t cx = int64_t{kTextWidthTwips} * kEmuPerTwip;
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

  void writeTable(const Table& table) {
    const std::vector<int32_t> widths = autofitColumnWidths(table, kTextWidthTwips);
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
    for (int32_t r = 0; r < table.rows; ++r) {
      xml_.writeStartElement(kW, QStringLiteral("tr"));
      docx::writeRowProperties(xml_, r == 0);
      for (int32_t c = 0; c < table.columns; ++c) {
        xml_.writeStartElement(kW, QStringLiteral("tc"));
        xml_.writeStartElement(kW, QStringLiteral("tcPr"));
        writeWidth(xml_, "tcW", widths[c], "dxa");
        xml_.writeEndElement();
        const TableCell& cell = table.cell(r, c);
        for (const Paragraph& paragraph : cell.paragraphs) writeParagraph(paragraph);
        // A cell must end with a paragraph.
        if (cell.paragraphs.empty()) writeParagraph(Paragraph{});
        xml_.writeEndElement();  // tc
      }
      xml_.writeEndElement();  // tr
    }
    xml_.writeEndElement();  // tbl
  }

  const DocumentModel& document_;
  QXmlStreamWriter& xml_;
  int32_t drawingId_ = 0;
};

QByteArray documentPart(const DocumentModel& document) {
  return xmlPart([&](QXmlStreamWriter& xml) { DocumentWriter(document, xml).write(); });
}

void writeRelationship(QXmlStreamWriter& xml, const QString& id, const char* type,
                       const QString& target) {
  xml.writeEmptyElement(kRelationships, QStringLiteral("Relationship"));
  xml.writeAttribute(QStringLiteral("Id"), id);
  xml.writeAttribute(QStringLiteral("Type"), kRelationshipType + QLatin1String(type));
  xml.writeAttribute(QStringLiteral("Target"), target);
}

QByteArray packageRelationshipsPart() {
  return xmlPart([&](QXmlStreamWriter& xml) {
    xml.writeDefaultNamespace(kRelationships);
    xml.writeStartElement(kRelationships, QStringLiteral("Relationships"));
    writeRelationship(xml, QStringLiteral("rId1"), "officeDocument",
                      QStringLiteral("word/document.xml"));
    xml.writeEmptyElement(kRelationships, QStringLiteral("Relationship"));
    xml.writeAttribute(QStringLiteral("Id"), QStringLiteral("rId2"));
    xml.writeAttribute(QStringLiteral("Type"), kCorePropertiesType);
    xml.writeAttribute(QStringLiteral("Target"), QStringLiteral("docProps/core.xml"));
    writeRelationship(xml, QStringLiteral("rId3"), "extended-properties",
                      QStringLiteral("docProps/app.xml"));
    xml.writeEndElement();
  });
}

QByteArray documentRelationshipsPart(const DocumentModel& document) {
  return xmlPart([&](QXmlStreamWriter& xml) {
    xml.writeDefaultNamespace(kRelationships);
    xml.writeStartElement(kRelationships, QStringLiteral("Relationships"));
    writeRelationship(xml, QStringLiteral("rId1"), "styles", QStringLiteral("styles.xml"));
    writeRelationship(xml, QStringLiteral("rId2"), "settings", QStringLiteral("settings.xml"));
    const int32_t pictureCount = static_cast<int32_t>(document.pictures().size());
    for (int32_t i = 0; i < pictureCount; ++i)
      writeRelationship(xml, pictureRelationshipId(i), "image", pictureMediaName(i));
    xml.writeEndElement();
  });
}

QByteArray contentTypesPart() {
  return xmlPart([&](QXmlStreamWriter& xml) {
    xml.writeDefaultNamespace(kContentTypes);
    xml.writeStartElement(kContentTypes, QStringLiteral("Types"));
    auto byExtension = [&](const char* extension, const char* type) {
      xml.writeEmptyElement(kContentTypes, QStringLiteral("Default"));
      xml.writeAttribute(QStringLiteral("Extension"), QLatin1String(extension));
      xml.writeAttribute(QStringLiteral("ContentType"), QLatin1String(type));
    };
    auto byPart = [&](const char* name, const char* type) {
      xml.writeEmptyElement(kContentTypes, QStringLiteral("Override"));
      xml.writeAttribute(QStringLiteral("PartName"), QLatin1String(name));
      xml.writeAttribute(QStringLiteral("ContentType"), QLatin1String(type));
    };
    byExtension("rels", "application/vnd.openxmlformats-package.relationships+xml");
    byExtension("xml", "application/xml");
    byExtension("png", "image/png");
    byPart("/word/document.xml",
           "application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml");
    byPart("/word/styles.xml",
           "application/vnd.openxmlformats-officedocument.wordprocessingml.styles+xml");
    byPart("/word/settings.xml",
           "application/vnd.openxmlformats-officedocument.wordprocessingml.settings+xml");
    byPart("/docProps/core.xml", "application/vnd.openxmlformats-package.core-properties+xml");
    byPart("/docProps/app.xml",
           "application/vnd.openxmlformats-officedocument.extended-properties+xml");
    xml.writeEndElement();
  });
}

struct ZipPart {
  QString name;
  QByteArray data;  // must outlive zip_close: libzip reads it only then
  bool compressed = true;
};

[[noreturn]] void throwZipError(const char* what, zip_error_t* error) {
  const std::string message = std::string(what) + ": " + zip_error_strerror(error);
  zip_error_fini(error);
  throw std::runtime_error(message);
}

QByteArray zipParts(const std::vector<ZipPart>& parts) {
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* archiveSource = zip_source_buffer_create(nullptr, 0, 0, &error);
  if (archiveSource == nullptr) throwZipError("zip_source_buffer_create", &error);
  zip_t* archive = zip_open_from_source(archiveSource, ZIP_TRUNCATE, &error);
  if (archive == nullptr) {
    zip_source_free(archiveSource);
    throwZipError("zip_open_from_source", &error);
  }
  // Keep the in-memory archive after zip_close so its bytes can be read back.
  zip_source_keep(archiveSource);

  auto fail = [&](const char* what) {
    zip_error_set(&error, zip_error_code_zip(zip_get_error(archive)),
                  zip_error_code_system(zip_get_error(archive)));
    zip_discard(archive);
    zip_source_free(archiveSource);
    throwZipError(what, &error);
  };

  for (const ZipPart& part : parts) {
    zip_source_t* source = zip_source_buffer(archive, part.data.constData(),
                                             static_cast<zip_uint64_t>(part.data.size()), 0);
    if (source == nullptr) fail("zip_source_buffer");
    const zip_int64_t index =
        zip_file_add(archive, part.name.toUtf8().constData(), source, ZIP_FL_ENC_UTF_8);
    if (index < 0) {
      zip_source_free(source);
      fail("zip_file_add");
    }
    // PNG is compressed already: store it.
    const zip_int32_t method = part.compressed ? ZIP_CM_DEFLATE : ZIP_CM_STORE;
    if (zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), method, 0) != 0)
      fail("zip_set_file_compression");
  }
  if (zip_close(archive) != 0) fail("zip_close");

  QByteArray bytes;
  zip_stat_t stat;
  if (zip_source_stat(archiveSource, &stat) != 0 || !(stat.valid & ZIP_STAT_SIZE) ||
      zip_source_open(archiveSource) != 0) {
    zip_error_set(&error, ZIP_ER_INTERNAL, 0);
    zip_source_free(archiveSource);
    throwZipError("zip_source_open", &error);
  }
  bytes.resize(static_cast<qsizetype>(stat.size));
  const zip_int64_t read = zip_source_read(archiveSource, bytes.data(), stat.size);
  zip_source_close(archiveSource);
  zip_source_free(archiveSource);
  if (read != static_cast<zip_int64_t>(stat.size)) {
    zip_error_set(&error, ZIP_ER_READ, 0);
    throwZipError("zip_source_read", &error);
  }
  zip_error_fini(&error);
  return bytes;
}

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

QByteArray docxBytes(const DocumentModel& document) {
  std::vector<ZipPart> parts;
  parts.push_back({QStringLiteral("[Content_Types].xml"), contentTypesPart()});
  parts.push_back({QStringLiteral("_rels/.rels"), packageRelationshipsPart()});
  parts.push_back({QStringLiteral("word/document.xml"), documentPart(document)});
  parts.push_back(
      {QStringLiteral("word/_rels/document.xml.rels"), documentRelationshipsPart(document)});
  parts.push_back({QStringLiteral("word/styles.xml"), docx::stylesPart()});
  parts.push_back({QStringLiteral("word/settings.xml"), docx::settingsPart()});
  parts.push_back(
      {QStringLiteral("docProps/core.xml"), docx::corePropertiesPart(document.properties())});
  parts.push_back(
      {QStringLiteral("docProps/app.xml"), docx::appPropertiesPart(document.properties())});
  const int32_t pictureCount = static_cast<int32_t>(document.pictures().size());
  for (int32_t i = 0; i < pictureCount; ++i) {
    parts.push_back(
        {QStringLiteral("word/") + pictureMediaName(i), document.pictures()[i].png, false});
  }
  return zipParts(parts);
}

}  // namespace report
