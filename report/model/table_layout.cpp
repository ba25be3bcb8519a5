// Autofit column widths of a document table, measured by engine/document/text_width.
#include "report/model/table_layout.h"

#include <QStringList>
#include <algorithm>

#include "engine/document/text_width.h"
#include "report/docx/docx_defaults.h"

namespace report {

namespace {

int32_t paragraphWidth(const engine::TextParagraph& paragraph, int32_t halfPoints) {
  int32_t widest = 0;
  // Runs follow one another on a line, whatever their format; a line break starts a new line,
  // and each line is measured on its own.
  for (const QString& line :
       QString::fromStdString(engine::paragraphText(paragraph)).split(QLatin1Char('\n')))
    widest = std::max(widest, textWidthTwips(line, halfPoints));
  return widest;
}

}  // namespace

int32_t textWidthTwips(const QString& text, int32_t halfPoints) {
  return engine::lineWidthTwips(text.toStdString(), halfPoints);
}

std::vector<int32_t> autofitColumnWidths(const engine::TextTable& table, int32_t availableTwips) {
  std::vector<int32_t> widest(static_cast<size_t>(std::max(table.columnCount(), 0)), 0);
  for (int32_t r = 0; r < table.rowCount(); ++r) {
    for (int32_t c = 0; c < table.columnCount(); ++c) {
      for (const engine::TextParagraph& paragraph : table.cell(r, c).paragraphs)
        widest[c] = std::max(widest[c], paragraphWidth(paragraph, engine::kNormalFontHalfPoints));
    }
  }
  return engine::fitColumnWidths(widest, availableTwips);
}

}  // namespace report
