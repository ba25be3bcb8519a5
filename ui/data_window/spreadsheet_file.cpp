// Telling a workbook from a text file, and reading the first sheet of either kind of workbook.
#include "ui/data_window/spreadsheet_file.h"

#include <QFile>
#include <fstream>

#include "engine/input_file.h"
#include "ui/data_window/data_texts.h"
#include "ui/data_window/ods_sheet.h"
#include "ui/data_window/xlsx_sheet.h"
#include "ui/data_window/zip_parts.h"

namespace ui {

bool looksLikeWorkbook(const QByteArray& bytes) { return bytes.startsWith("PK\x03\x04"); }

bool isWorkbookFile(const QString& path) {
  std::ifstream in;
  if (!engine::openInputFile(QFile::encodeName(path).toStdString(), in)) return false;
  char start[4] = {};
  in.read(start, sizeof start);
  return looksLikeWorkbook(QByteArray(start, static_cast<qsizetype>(in.gcount())));
}

SheetRead readFirstSheet(const QByteArray& bytes) {
  const ZipParts package(bytes);
  if (package.isOpen()) {
    // An OpenDocument package names its kind in its first part.
    const std::optional<QByteArray> mimetype = package.part(QStringLiteral("mimetype"));
    if (mimetype && mimetype->trimmed() == "application/vnd.oasis.opendocument.spreadsheet")
      return readOdsFirstSheet(package);
    if (package.contains(QStringLiteral("[Content_Types].xml"))) return readXlsxFirstSheet(package);
  }
  SheetRead result;
  result.error = QString::fromUtf8(text::kNotAWorkbook);
  return result;
}

}  // namespace ui
