// Building small ZIP containers in memory for the workbook readers' tests.
#include "tests/ui/zip_maker.h"

#include <zip.h>

#include <stdexcept>

namespace ui_test {

QByteArray zipOf(const std::map<std::string, std::string>& parts) {
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
  zip_t* archive = buffer ? zip_open_from_source(buffer, ZIP_TRUNCATE, &error) : nullptr;
  if (archive == nullptr) throw std::runtime_error("zip_open_from_source");
  zip_source_keep(buffer);
  for (const auto& [name, content] : parts) {
    zip_source_t* source = zip_source_buffer(archive, content.data(), content.size(), 0);
    if (source == nullptr || zip_file_add(archive, name.c_str(), source, ZIP_FL_ENC_UTF_8) < 0)
      throw std::runtime_error("zip_file_add");
  }
  if (zip_close(archive) != 0) throw std::runtime_error("zip_close");
  zip_stat_t stat;
  zip_stat_init(&stat);
  QByteArray bytes;
  if (zip_source_stat(buffer, &stat) == 0 && zip_source_open(buffer) == 0) {
    bytes.resize(static_cast<qsizetype>(stat.size));
    zip_source_read(buffer, bytes.data(), stat.size);
    zip_source_close(buffer);
  }
  zip_source_free(buffer);
  zip_error_fini(&error);
  return bytes;
}

namespace {

const std::string kOdsHead =
    R"(<?xml version="1.0"?><office:document-content )"
    R"(xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" )"
    R"(xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0" )"
    R"(xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0"><office:body><office:spreadsheet>)";
const std::string kOdsTail = "</office:spreadsheet></office:body></office:document-content>";

}  // namespace

QByteArray ods(const std::string& tables) {
  return zipOf({{"mimetype", "application/vnd.oasis.opendocument.spreadsheet"},
                {"content.xml", kOdsHead + tables + kOdsTail}});
}

}  // namespace ui_test
