// What each of the grid's 11 columns holds and the formula that gives it.
#include "engine/column_descriptions.h"

#include "engine/document/text_markup.h"
#include "engine/number_format.h"

namespace engine {

namespace {

struct ColumnMarkup {
  const char* meaning;
  const char* formula;
  const char* summary;  // "" when the summary row has nothing there
};

// Markup as ParagraphWriter::math reads it.
constexpr std::array<ColumnMarkup, kTableColumns> kColumns = {{
    {"номер интервала", "i", ""},
    {"середина интервала", "x_i = x_{min} + i·h − h/2", ""},
    {"частота (значений в интервале)", "n_i", ""},
    {"произведение частоты и середины", "n_i·x_i", "среднее x̄ = Σn_i x_i / n"},
    {"модуль отклонения от x̄", "|x_i − x̄|", ""},
    {"квадрат отклонения", "(x_i − x̄)^2", ""},
    {"взвешенный квадрат отклонения", "n_i (x_i − x̄)^2", "s = √(Σn_i (x_i − x̄)^2 / (n − 1))"},
    {"нормированное отклонение", "u_i = |x_i − x̄| / s", ""},
    {"плотность закона N(0; 1)", "φ(u_i) = exp(−u_i^2/2) / √(2π)", ""},
    {"теоретическая частота", "n′_i = n·h·φ(u_i) / s", ""},
    {"вклад группы интервалов в χ²", "n_g^2 / n′_g", "χ²_{набл} = Σn_g^2/n′_g − n"},
}};

std::array<ColumnDescription, kTableColumns> describeColumns() {
  std::array<ColumnDescription, kTableColumns> columns;
  for (size_t i = 0; i < kColumns.size(); ++i) {
    ParagraphWriter(columns[i].meaning).math(kColumns[i].meaning);
    ParagraphWriter(columns[i].formula).math(kColumns[i].formula);
    ParagraphWriter(columns[i].summary).math(kColumns[i].summary);
  }
  return columns;
}

void appendRuns(TextParagraph& to, const TextParagraph& from) {
  for (const TextRun& run : from.runs) {
    if (!to.runs.empty() && to.runs.back().sameStyle(run)) {
      to.runs.back().text += run.text;
    } else {
      to.runs.push_back(run);
    }
  }
}

}  // namespace

const std::array<ColumnDescription, kTableColumns>& columnDescriptions() {
  static const std::array<ColumnDescription, kTableColumns> columns = describeColumns();
  return columns;
}

TextParagraph columnTooltip(int32_t column) {
  TextParagraph tooltip;
  if (column < 0 || column >= kTableColumns) return tooltip;
  const ColumnDescription& description = columnDescriptions()[static_cast<size_t>(column)];
  ParagraphWriter writer(tooltip);
  writer.text("Столбец " + formatInteger(column + 1) + ": ");
  appendRuns(tooltip, description.meaning);
  writer.text(", ");
  appendRuns(tooltip, description.formula);
  if (!description.summary.runs.empty()) {
    writer.text(". В строке итогов — ");
    appendRuns(tooltip, description.summary);
  }
  return tooltip;
}

}  // namespace engine
