// The worked solution's first steps: the data, the number of intervals, the columns, x̄ and s.
#include <cmath>

#include "engine/column_descriptions.h"
#include "engine/number_format.h"
#include "engine/solution_writer.h"

namespace engine {

namespace {

void writeSampleSource(SolutionWriter& out) {
  const RunResult& r = out.result();
  if (r.loaded) {
    out.paragraph()
        .text("Из файла «" + r.fileName + "» прочитано значений выборки: ")
        .math("n = ")
        .text(formatInteger(*r.loaded))
        .text(" (первое число файла — длина интервала).");
  } else {
    out.paragraph().text("Файл «" + r.fileName +
                         "» в этом расчёте не перечитывался: обрабатывается выборка, "
                         "загруженная раньше.");
    if (r.n)
      out.paragraph().text("Значений в выборке: ").math("n = ").text(formatInteger(*r.n)).text(".");
  }
  if (r.stoppedAt) {
    out.paragraph().text("Чтение файла остановилось в строке " + formatInteger(r.stoppedAt->line) +
                         " на «" + r.stoppedAt->text +
                         "»: это не число, поэтому в выборку вошли только значения до него.");
  }
}

}  // namespace

void writeData(SolutionWriter& out) {
  const RunResult& r = out.result();
  if (r.outcome == RunOutcome::FileNotOpened) return;
  out.heading("1. Исходные данные");
  writeSampleSource(out);
  if (!r.h) return;
  const std::string h = out.logNumber(*r.h);
  const std::string xmin = out.logNumber(*r.xmin);
  const std::string xmax = out.logNumber(*r.xmax);
  out.paragraph()
      .text("Длина интервала ")
      .math("h = ")
      .text(h)
      .text(r.loaded ? "; наименьшее и наибольшее значения выборки: "
                     : "; границы диапазона группировки: ")
      .math("x_{min} = ")
      .text(xmin)
      .math(", x_{max} = ")
      .text(xmax)
      .text(".");
  if (!r.intervals) return;
  const double quotient = (static_cast<double>(*r.xmax) - *r.xmin) / *r.h;
  out.paragraph()
      .text("Число интервалов ")
      .math("k = ⌊(x_{max} − x_{min}) / h⌋ + 1 = ⌊(")
      .text(xmax)
      .math(" − ")
      .text(xmin)
      .math(") / ")
      .text(h)
      .math("⌋ + 1 = ⌊")
      .text(out.quotient(quotient))
      .math("⌋ + 1 = ")
      .text(SolutionWriter::whole(*r.intervals))
      .text(".");
  if (r.tableColumns == 0) return;
  out.paragraph()
      .text("Интервал ")
      .math("i")
      .text(" — это ")
      .math("[x_{min} + (i − 1)·h; x_{min} + i·h)")
      .text("; значение, равное ")
      .math("x_{max}")
      .text(", попадает в последний интервал.");
  if (r.outOfRange > 0) {
    out.paragraph().text("Значений вне диапазона: " + formatInteger(r.outOfRange) +
                         "; они отнесены к первому или последнему интервалу.");
  }
}

void writeColumns(SolutionWriter& out) {
  const RunResult& r = out.result();
  out.heading("2. Таблица группированного ряда");
  out.paragraph()
      .text("Каждая строка таблицы — один интервал, ")
      .math("i = 1, …, k")
      .text("; столбцы заполняются так:");
  out.table({"Столбец", "Что содержит", "Формула"});
  for (int32_t column = 0; column < kTableColumns; ++column) {
    const ColumnDescription& description = columnDescriptions()[static_cast<size_t>(column)];
    std::vector<TextCell>& row = out.tableRow();
    ParagraphWriter(row.emplace_back()).text(formatInteger(column + 1));
    row.push_back(TextCell{{description.meaning}});
    row.push_back(TextCell{{description.formula}});
  }
  out.paragraph().math(
      "В строке итогов под таблицей стоят x̄ (столбец 4), s (столбец 7) и χ²_{набл} (столбец 11).");
  if (r.table.empty()) return;
  const RunResult::TableRow& first = r.table.front();
  ParagraphWriter example = out.paragraph();
  example.text("Например, для интервала 1: ")
      .math("x_1 = ")
      .text(out.gridNumber(first[kMidpointColumn]))
      .math(", n_1 = ")
      .text(out.gridNumber(first[kFrequencyColumn]))
      .math(", n_1·x_1 = ")
      .text(out.gridNumber(first[kWeightedMidpointColumn]))
      .math(", |x_1 − x̄| = ")
      .text(out.gridNumber(first[kDeviationColumn]))
      .math(", (x_1 − x̄)^2 = ")
      .text(out.gridNumber(first[kSquaredDeviationColumn]))
      .math(", n_1 (x_1 − x̄)^2 = ")
      .text(out.gridNumber(first[kWeightedSquareColumn]));
  if (r.tableColumns > static_cast<int32_t>(kExpectedColumn)) {
    example.math(", u_1 = ")
        .text(out.gridNumber(first[kNormalisedColumn]))
        .math(", φ(u_1) = ")
        .text(out.gridNumber(first[kDensityColumn]))
        .math(", n′_1 = ")
        .text(out.gridNumber(first[kExpectedColumn]));
  }
  example.text(".");
}

void writeMoments(SolutionWriter& out) {
  const RunResult& r = out.result();
  out.heading("3. Выборочное среднее и среднее квадратическое отклонение");
  if (!r.mean || !r.weightedMidpointSum) return;
  const std::string n = formatInteger(r.n.value_or(0));
  out.paragraph()
      .math("x̄ = Σn_i x_i / n = ")
      .text(out.logNumber(*r.weightedMidpointSum))
      .math(" / ")
      .text(n)
      .math(" = ")
      .text(out.gridNumber(*r.mean))
      .text(" (столбец 4, строка итогов).");
  if (!r.deviation || !r.weightedSquareSum) return;
  ParagraphWriter deviation = out.paragraph();
  deviation.text("Исправленное среднее квадратическое отклонение (делитель ")
      .math("n − 1")
      .text("): ")
      .math("s = √(Σn_i (x_i − x̄)^2 / (n − 1)) = √(")
      .text(out.logNumber(*r.weightedSquareSum))
      .math(" / ")
      .text(formatInteger(r.n.value_or(0) - 1))
      .math(") = ")
      .text(out.gridNumber(*r.deviation));
  if (std::isfinite(*r.deviation)) {
    deviation.text(" (столбец 7, строка итогов).");
  } else if (r.n.value_or(0) < 2) {
    deviation.text(": при ").math("n = 1").text(" делить на ").math("n − 1 = 0").text(" нельзя.");
  } else {
    deviation.text(": сумма квадратов слишком велика для расчёта.");
  }
}

}  // namespace engine
