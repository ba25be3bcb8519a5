// The grouped table of one run as CSV, for spreadsheets and scripts.
#include "engine/output/csv_table.h"

#include <array>

#include "engine/shortest_number.h"

namespace engine {

namespace {

constexpr int32_t kColumns = engine::kTableColumns;

void appendRow(std::string& out, const std::array<std::optional<float>, kColumns>& fields) {
  for (int32_t column = 0; column < kColumns; ++column) {
    if (column > 0) out += ',';
    if (const auto& field = fields[static_cast<size_t>(column)])
      engine::appendShortest(out, *field);
  }
  out += '\n';
}

}  // namespace

void appendCsvTable(std::string& out, const engine::RunResult& result) {
  std::array<std::optional<float>, kColumns> fields;
  for (int32_t column = 0; column < kColumns; ++column)
    fields[static_cast<size_t>(column)] = static_cast<float>(column + 1);
  appendRow(out, fields);
  if (result.tableColumns == 0) return;

  for (const engine::RunResult::TableRow& row : result.table) {
    for (int32_t column = 0; column < kColumns; ++column)
      fields[static_cast<size_t>(column)] =
          column < result.tableColumns ? std::optional<float>(row[static_cast<size_t>(column)])
                                       : std::nullopt;
    appendRow(out, fields);
  }
  fields.fill(std::nullopt);
  fields[3] = result.mean;  // the grid's summary row: x̄, S and Xb
  fields[6] = result.deviation;
  fields[10] = result.statistic;
  appendRow(out, fields);
}

}  // namespace engine
