// The parts of a ZIP container held in memory, read one at a time by name.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

using zip_t = struct zip;

namespace ui {

// A part's uncompressed size beyond which it is refused: far above any sheet
// of a few hundred rows, and low enough that a crafted archive cannot fill memory.
inline constexpr qint64 kMaxPartBytes = qint64{32} * 1024 * 1024;

class ZipParts {
 public:
  // Opens the archive in `bytes`, which must outlive this object; check isOpen().
  explicit ZipParts(const QByteArray& bytes);
  ~ZipParts();
  ZipParts(const ZipParts&) = delete;
  ZipParts& operator=(const ZipParts&) = delete;

  bool isOpen() const { return archive_ != nullptr; }
  bool contains(const QString& name) const;
  // The part's bytes; nothing when it is missing, damaged or above kMaxPartBytes.
  std::optional<QByteArray> part(const QString& name) const;

 private:
  zip_t* archive_ = nullptr;
};

}  // namespace ui
