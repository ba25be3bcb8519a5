// Reading a whole data file into memory, refusing what is not a regular file or is too large.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace ui {

// Larger than any table a student types; anything beyond is refused, not cut.
inline constexpr qint64 kMaxDataFileBytes = qint64{64} * 1024 * 1024;

// The bytes of the regular file at `path`. A directory, pipe or device, a file
// that cannot be read or one above kMaxDataFileBytes gives nothing, with the
// reason in *error.
std::optional<QByteArray> readDataFile(const QString& path, QString* error);

}  // namespace ui
