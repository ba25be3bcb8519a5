// The worked solution of a run that ended early: what happened and what the student can do.
#include <cmath>

#include "engine/number_format.h"
#include "engine/solution_figures.h"
#include "engine/solution_writer.h"

namespace engine {

namespace {

// Up to this many intervals are analysed.
constexpr int32_t kIntervalLimit = 20;

void whatToDo(SolutionWriter& out, std::string_view markup) {
  out.paragraph().text("Что делать: ").math(markup);
}

void fileNotOpened(SolutionWriter& out) {
  out.paragraph().text("Файл «" + out.result().fileName +
                       "» открыть не удалось: такого файла нет, это папка или нет права на "
                       "его чтение. Расчёт не начинался.");
  whatToDo(out,
           "проверьте имя файла (в окне «Опции» или в командной строке); имя без папки ищется "
           "в рабочем каталоге программы.");
}

void noData(SolutionWriter& out) {
  if (out.result().loaded) {
    out.paragraph().text("В файле нет ни одного значения выборки после длины интервала.");
  } else {
    out.paragraph().text("Выборка пуста: ни один файл с выборкой ещё не был прочитан.");
  }
  whatToDo(out,
           "первым числом файла должна стоять длина интервала h, за ней — значения выборки "
           "(не больше 200) через пробел или с новой строки; дробная часть отделяется точкой "
           "(10.5, а не 10,5).");
}

void badParameters(SolutionWriter& out) {
  const RunResult& r = out.result();
  const std::string xmin = out.logNumber(r.xmin.value_or(0.0f));
  const std::string xmax = out.logNumber(r.xmax.value_or(0.0f));
  switch (r.parameterProblem.value_or(ParameterProblem::IntervalLength)) {
    case ParameterProblem::IntervalLength:
      out.paragraph()
          .text("Длина интервала ")
          .math("h = ")
          .text(out.logNumber(r.h.value_or(0.0f)))
          .text(
              " не годится: она должна быть положительным конечным числом, иначе интервалы "
              "не построить.");
      whatToDo(out,
               "задайте h > 0 в окне «Опции» (поле «Размер интервала») или первым числом файла; "
               "обычно берут h так, чтобы интервалов было от 5 до 20.");
      return;
    case ParameterProblem::RangeBounds:
      out.paragraph()
          .text("Границы диапазона ")
          .math("x_{min} = ")
          .text(xmin)
          .math(", x_{max} = ")
          .text(xmax)
          .text(" должны быть конечными числами.");
      whatToDo(out,
               "задайте конечные границы в окне «Опции» или перечитайте файл: тогда границами "
               "станут наименьшее и наибольшее значения выборки.");
      return;
    case ParameterProblem::RangeOrder:
      break;
  }
  out.paragraph()
      .text("Нижняя граница больше верхней: ")
      .math("x_{min} = ")
      .text(xmin)
      .math(" > x_{max} = ")
      .text(xmax)
      .text(", интервалов не получается.");
  whatToDo(out, "поменяйте границы местами в окне «Опции» или перечитайте файл.");
}

void tooManyIntervals(SolutionWriter& out) {
  const RunResult& r = out.result();
  out.paragraph()
      .math("k = ")
      .text(SolutionWriter::whole(r.intervals.value_or(0.0)))
      .math(" > 20")
      .text(": таблица рассчитана не больше чем на 20 интервалов.");
  const double range = static_cast<double>(r.xmax.value_or(0.0f)) - r.xmin.value_or(0.0f);
  out.paragraph()
      .text("Что делать: увеличьте длину интервала; интервалов будет не больше 20 при ")
      .math("h > (x_{max} − x_{min}) / 20 = ")
      .text(out.logNumber(range / kIntervalLimit))
      .text(".");
}

void degenerateSpread(SolutionWriter& out) {
  const RunResult& r = out.result();
  if (r.n.value_or(0) < 2) {
    out.paragraph()
        .text("В выборке одно значение: в исправленном отклонении ")
        .math("s")
        .text(" делят на ")
        .math("n − 1 = 0")
        .text(", поэтому ")
        .math("s")
        .text(" не определено.");
  } else if (r.deviation && *r.deviation == 0.0f) {
    out.paragraph()
        .text("Все значения попали в один интервал: их отклонения от ")
        .math("x̄")
        .text(" равны нулю, ")
        .math("s = 0")
        .text(", а ")
        .math("u_i = |x_i − x̄| / s")
        .text(" и ")
        .math("n′_i")
        .text(" не определены.");
  } else {
    out.paragraph()
        .text("Отклонение ")
        .math("s")
        .text(" не выражается конечным числом: значения слишком велики для расчёта.");
  }
  out.paragraph().text("Критерий Пирсона к такой выборке неприменим.");
  if (r.n.value_or(0) < 2) {
    whatToDo(out, "добавьте в файл значения выборки: для критерия их нужны десятки.");
    return;
  }
  whatToDo(out,
           "уменьшите длину интервала h, чтобы значения разошлись по нескольким интервалам, или "
           "возьмите выборку из нескольких разных значений.");
}

void tooFewIntervals(SolutionWriter& out) {
  const RunResult& r = out.result();
  out.paragraph()
      .text("Число групп после объединения ")
      .math("k′ = ")
      .text(formatInteger(r.groups.value_or(0)))
      .text(": степеней свободы ")
      .math("k′ − 3 = ")
      .text(formatInteger(r.degreesOfFreedom.value_or(0)))
      .text(", меньше одной, критической точки нет, и гипотезу проверить нельзя.");
  whatToDo(out,
           "нужно не меньше 4 групп. Уменьшите длину интервала h, чтобы интервалов стало "
           "больше, или увеличьте объём выборки: при малом n теоретические частоты n′_i "
           "меньше 5 и интервалы объединяются.");
}

void noCriticalPoint(SolutionWriter& out) {
  const RunResult& r = out.result();
  const SolutionFigures& figures = out.figures();
  const std::string df = formatInteger(r.degreesOfFreedom.value_or(0));
  const std::string alpha = figures.significance;
  const std::string column = formatInteger(figures.tableColumn);
  out.paragraph()
      .text("В таблице критических точек нет годного значения ")
      .math("χ²_{кр}(")
      .text(alpha + "; " + df)
      .math(")")
      .text(" (строка " + df + ", столбец " + column +
            "): там 0, пусто или не число, так что сравнивать не с чем.");
  writePValue(out);
  out.paragraph().text("Что делать: проверьте файл таблицы exttable.txt — в строке " + df +
                       " должны стоять номер строки и шесть критических точек, для α = " + alpha +
                       " в столбце " + column +
                       "; или выберите в окне «Опции» другой уровень значимости.");
}

// What each outcome that stops the run writes under the heading.
constexpr struct {
  RunOutcome outcome;
  void (*write)(SolutionWriter& out);
} kStops[] = {
    {RunOutcome::FileNotOpened, fileNotOpened},
    {RunOutcome::NoData, noData},
    {RunOutcome::BadParameters, badParameters},
    {RunOutcome::TooManyIntervals, tooManyIntervals},
    {RunOutcome::DegenerateSpread, degenerateSpread},
    {RunOutcome::TooFewIntervals, tooFewIntervals},
    {RunOutcome::NoCriticalPoint, noCriticalPoint},
};

}  // namespace

void writeStop(SolutionWriter& out) {
  const RunOutcome outcome = out.result().outcome;
  if (outcome == RunOutcome::Accepted || outcome == RunOutcome::Rejected) return;
  out.heading("Расчёт остановлен");
  for (const auto& stop : kStops)
    if (stop.outcome == outcome) stop.write(out);
}

}  // namespace engine
