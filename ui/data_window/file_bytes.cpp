// Reading a whole data file into memory, refusing what is not a regular file or is too large.
#include "ui/data_window/file_bytes.h"

#include <QFile>
#include <fstream>

#include "engine/input_file.h"
#include "ui/data_window/data_texts.h"

namespace ui {

std::optional<QByteArray> readDataFile(const QString& path, QString* error) {
  // The engine's opening never blocks on a pipe or reads a device as if it were empty.
  std::ifstream in;
  if (!engine::openInputFile(QFile::encodeName(path).toStdString(), in)) {
    *error = QString::fromUtf8(text::kFileNotOpened);
    return std::nullopt;
  }
  QByteArray bytes;
  char chunk[64 * 1024];
  while (in) {
    in.read(chunk, sizeof chunk);
    const std::streamsize got = in.gcount();
    if (got <= 0) break;
    if (bytes.size() + got > kMaxDataFileBytes) {
      *error = QString::fromUtf8(text::kFileTooLarge);
      return std::nullopt;
    }
    bytes.append(chunk, static_cast<qsizetype>(got));
  }
  if (in.bad()) {
    *error = QString::fromUtf8(text::kFileNotOpened);
    return std::nullopt;
  }
  return bytes;
}

}  // namespace ui
