// The .docx writer: the parts that vary through QXmlStreamWriter, the fixed ones from
// report/docx/, the container through libzip.
#include "report/docx/docx_writer.h"

#include <zip.h>

#include <QXmlStreamWriter>
#include <stdexcept>
#include <vector>

#include "report/docx/docx_defaults.h"
#include "report/docx/docx_xml.h"
#include "report/model/document_properties.h"

namespace report {

namespace {

using docx::xmlPart;

const QString kRelationships =
    QStringLiteral("http://schemas.openxmlformats.org/package/2006/relationships");
const QString kRelationshipType =
    QStringLiteral("http://schemas.openxmlformats.org/officeDocument/2006/relationships/");

QString pictureMediaName(int32_t picture) {
  return QStringLiteral("media/image%1.png").arg(picture + 1);
}

void writeRelationship(QXmlStreamWriter& xml, const QString& id, const char* type,
                       const QString& target) {
  xml.writeEmptyElement(kRelationships, QStringLiteral("Relationship"));
  xml.writeAttribute(QStringLiteral("Id"), id);
  xml.writeAttribute(QStringLiteral("Type"), kRelationshipType + QLatin1String(type));
  xml.writeAttribute(QStringLiteral("Target"), target);
}

QByteArray documentRelationshipsPart(const engine::TextDocument& document) {
  return xmlPart([&](QXmlStreamWriter& xml) {
    xml.writeDefaultNamespace(kRelationships);
    xml.writeStartElement(kRelationships, QStringLiteral("Relationships"));
    writeRelationship(xml, QStringLiteral("rId1"), "styles", QStringLiteral("styles.xml"));
    writeRelationship(xml, QStringLiteral("rId2"), "settings", QStringLiteral("settings.xml"));
    const int32_t pictureCount = static_cast<int32_t>(document.pictures.size());
    for (int32_t i = 0; i < pictureCount; ++i)
      writeRelationship(xml, pictureRelationshipId(i), "image", pictureMediaName(i));
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

QString zipLibraryVersion() { return QString::fromLatin1(zip_libzip_version()); }

QByteArray docxBytes(const engine::TextDocument& document, const DocumentProperties& properties) {
  std::vector<ZipPart> parts;
  parts.push_back({QStringLiteral("[Content_Types].xml"), docx::fixedPart("content_types.xml")});
  parts.push_back({QStringLiteral("_rels/.rels"), docx::fixedPart("package.rels")});
  parts.push_back({QStringLiteral("word/document.xml"), documentPart(document)});
  parts.push_back(
      {QStringLiteral("word/_rels/document.xml.rels"), documentRelationshipsPart(document)});
  parts.push_back({QStringLiteral("word/styles.xml"), docx::fixedPart("styles.xml")});
  parts.push_back({QStringLiteral("word/settings.xml"), docx::fixedPart("settings.xml")});
  parts.push_back({QStringLiteral("docProps/core.xml"), docx::corePropertiesPart(properties)});
  parts.push_back({QStringLiteral("docProps/app.xml"), docx::appPropertiesPart(properties)});
  const int32_t pictureCount = static_cast<int32_t>(document.pictures.size());
  for (int32_t i = 0; i < pictureCount; ++i) {
    parts.push_back({QStringLiteral("word/") + pictureMediaName(i),
                     QByteArray::fromStdString(document.pictures[i].png), false});
  }
  return zipParts(parts);
}

}  // namespace report
