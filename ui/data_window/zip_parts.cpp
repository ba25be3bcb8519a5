// The parts of a ZIP container held in memory, read one at a time by name.
#include "ui/data_window/zip_parts.h"

#include <zip.h>

namespace ui {

ZipParts::ZipParts(const QByteArray& bytes) {
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* source = zip_source_buffer_create(
      bytes.constData(), static_cast<zip_uint64_t>(bytes.size()), 0, &error);
  if (source != nullptr) {
    archive_ = zip_open_from_source(source, ZIP_RDONLY, &error);
    if (archive_ == nullptr) zip_source_free(source);
  }
  zip_error_fini(&error);
}

ZipParts::~ZipParts() {
  if (archive_ != nullptr) zip_discard(archive_);
}

bool ZipParts::contains(const QString& name) const {
  return archive_ != nullptr && zip_name_locate(archive_, name.toUtf8().constData(), 0) >= 0;
}

std::optional<QByteArray> ZipParts::part(const QString& name) const {
  if (archive_ == nullptr) return std::nullopt;
  zip_file_t* file = zip_fopen(archive_, name.toUtf8().constData(), 0);
  if (file == nullptr) return std::nullopt;
  // The size in the directory is only a claim: reading stops at the limit whatever it says.
  QByteArray bytes;
  char chunk[64 * 1024];
  bool failed = false;
  for (;;) {
    const zip_int64_t got = zip_fread(file, chunk, sizeof chunk);
    if (got < 0) {
      failed = true;
      break;
    }
    if (got == 0) break;
    if (bytes.size() + got > kMaxPartBytes) {
      failed = true;
      break;
    }
    bytes.append(chunk, static_cast<qsizetype>(got));
  }
  // A damaged entry shows itself at the end, when its checksum is compared.
  if (zip_fclose(file) != 0) failed = true;
  if (failed) return std::nullopt;
  return bytes;
}

}  // namespace ui
