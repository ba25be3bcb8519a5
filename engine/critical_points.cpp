// Loading the table of chi-square critical points from "exttable.txt".
#include "engine/critical_points.h"

#include <fstream>

#include "engine/classic_stream.h"
#include "engine/input_file.h"
#include "engine/texts.h"

namespace engine {

TableLoad readCriticalPoints(std::istream& in, CriticalPointTable& table) {
  useClassicLocale(in);
  skipByteOrderMark(in);
  for (int32_t row = 1; row <= kCriticalPointRows; ++row) {
    int32_t number = 0;
    if (!readInteger(in, number) || number != row) return TableLoad::BadFormat;
    for (int32_t column = 1; column <= kCriticalPointColumns; ++column)
      readFloat(in, table.cells[static_cast<size_t>(row)][static_cast<size_t>(column)]);
  }
  return TableLoad::Loaded;
}

TableLoad loadCriticalPoints(const std::string& path, CriticalPointTable& table,
                             AnalysisView& view) {
  table = CriticalPointTable{};
  std::ifstream in;
  if (!openInputFile(path, in)) {
    view.showMessage(text::kTableNotOpened);
    return TableLoad::NotOpened;
  }
  const TableLoad result = readCriticalPoints(in, table);
  if (result == TableLoad::BadFormat) view.showMessage(text::kTableBadFormat);
  return result;
}

}  // namespace engine
