// A grid of texts laid out as aligned columns.
#include "engine/output/text_table.h"

#include "engine/utf8_text.h"

namespace engine {

void appendTextTable(std::string& out, const std::vector<std::vector<std::string>>& rows) {
  constexpr size_t kGap = 2;
  std::vector<size_t> widths;
  for (const auto& row : rows) {
    if (row.size() > widths.size()) widths.resize(row.size(), 0);
    for (size_t column = 0; column < row.size(); ++column) {
      const size_t width = engine::codePointCount(row[column]);
      if (width > widths[column]) widths[column] = width;
    }
  }
  std::string line;
  for (const auto& row : rows) {
    line.clear();
    for (size_t column = 0; column < row.size(); ++column) {
      if (column > 0) line.append(kGap, ' ');
      line.append(widths[column] - engine::codePointCount(row[column]), ' ');
      line += row[column];
    }
    const size_t end = line.find_last_not_of(' ');
    line.erase(end == std::string::npos ? 0 : end + 1);
    out += line;
    out += '\n';
  }
}

}  // namespace engine
