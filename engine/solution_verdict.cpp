// The worked solution's test: merging, χ², degrees of freedom, verdict, estimates and intervals.
#include <cmath>

#include "engine/number_format.h"
#include "engine/solution_writer.h"

namespace engine {

namespace {

// A group's expected frequencies must reach this for the test.
constexpr const char* kSmallExpectation = "5";

std::string intervalSpan(const IntervalGroup& group) {
  if (group.first == group.last) return formatInteger(group.first);
  return formatInteger(group.first) + "–" + formatInteger(group.last);
}

void writeGroups(SolutionWriter& out) {
  const RunResult& r = out.result();
  out.paragraph().text(
      "Группы, по которым считается χ²; вклад группы стоит в столбце 11 в строке её последнего "
      "интервала:");
  out.table({"Группа", "Интервалы", "n_g", "n′_g", "n_g^2 / n′_g", "Строка"});
  int32_t number = 0;
  for (const IntervalGroup& group : r.intervalGroups) {
    std::vector<TextCell>& row = out.tableRow();
    ParagraphWriter(row.emplace_back()).text(formatInteger(++number));
    ParagraphWriter(row.emplace_back()).text(intervalSpan(group));
    ParagraphWriter(row.emplace_back()).text(out.gridNumber(group.frequency));
    ParagraphWriter(row.emplace_back()).text(out.gridNumber(group.expected));
    const size_t tableRow = static_cast<size_t>(group.row - 1);
    const bool shown = group.contributes && tableRow < r.table.size();
    ParagraphWriter(row.emplace_back())
        .text(shown ? out.gridNumber(r.table[tableRow][kContributionColumn]) : "—");
    ParagraphWriter(row.emplace_back()).text(formatInteger(group.row));
  }
  bool empty = false;
  for (const IntervalGroup& group : r.intervalGroups) empty = empty || !group.contributes;
  if (empty)
    out.paragraph()
        .text("Группа с ")
        .math("n′_g = 0")
        .text(" ничего не добавляет к сумме (делить на нуль нельзя).");
}

}  // namespace

void writePValue(SolutionWriter& out) {
  const RunResult& r = out.result();
  const std::optional<double>& p = out.figures().pValue;
  if (!p || !r.statistic || !r.degreesOfFreedom) return;
  out.paragraph()
      .text("Вероятность получить при ")
      .math("H_0")
      .text(" значение не меньше наблюдаемого (p-значение) при " +
            formatInteger(*r.degreesOfFreedom) + " степенях свободы: ")
      .math("p = P(χ² ≥ ")
      .text(out.logNumber(*r.statistic))
      .math(") = ")
      .text(out.gridNumber(*p))
      .text("; гипотезу отвергают, когда ")
      .math("p")
      .text(" не больше ")
      .math("α")
      .text(".");
}

void writeMerging(SolutionWriter& out) {
  const RunResult& r = out.result();
  out.heading("4. Объединение интервалов с малыми теоретическими частотами");
  out.paragraph()
      .text("Критерий Пирсона требует, чтобы теоретические частоты были не меньше ")
      .text(kSmallExpectation)
      .text(": интервал с ")
      .math("n′_i < 5")
      .text(" объединяется со следующим, последний — с предыдущим. Частоты группы ")
      .math("n_g")
      .text(" и ")
      .math("n′_g")
      .text(" — суммы частот её интервалов.");
  const int32_t k = static_cast<int32_t>(r.intervals.value_or(0));
  if (r.markedIntervals.empty()) {
    out.paragraph()
        .text("Во всех интервалах ")
        .math("n′_i ≥ 5")
        .text(", объединять нечего: ")
        .math("k′ = k = ")
        .text(formatInteger(*r.groups))
        .text(".");
  } else {
    ParagraphWriter small = out.paragraph();
    small.text("Теоретические частоты меньше 5: ");
    for (size_t i = 0; i < r.markedIntervals.size(); ++i) {
      const int32_t interval = r.markedIntervals[i];
      const std::string index = formatInteger(interval);
      const size_t row = static_cast<size_t>(interval - 1);
      small.text(i == 0 ? "" : ", ").math("n′_{" + index + "} = ");
      if (row < r.table.size()) small.text(out.gridNumber(r.table[row][kExpectedColumn]));
    }
    small.text(".");
    writeGroups(out);
    out.paragraph()
        .text("Число групп после объединения ")
        .math("k′ = ")
        .text(formatInteger(*r.groups))
        .text(" (было ")
        .math("k = ")
        .text(formatInteger(k))
        .text(").");
  }
}

void writeTest(SolutionWriter& out) {
  const RunResult& r = out.result();
  const SolutionFigures& figures = out.figures();
  out.heading("5. Проверка гипотезы по критерию Пирсона");
  out.paragraph()
      .text("Гипотеза ")
      .math("H_0")
      .text(
          ": генеральная совокупность распределена нормально с параметрами, оценёнными по "
          "выборке (")
      .math("a = x̄, σ = s")
      .text(").");
  if (!r.statistic || !r.contributionSum || !r.degreesOfFreedom) return;
  out.paragraph()
      .text("Наблюдаемое значение критерия: ")
      .math("χ²_{набл} = Σn_g^2 / n′_g − n = ")
      .text(out.logNumber(*r.contributionSum))
      .math(" − ")
      .text(formatInteger(r.n.value_or(0)))
      .math(" = ")
      .text(out.gridNumber(*r.statistic))
      .text(" (столбец 11, строка итогов).");
  const std::string df = formatInteger(*r.degreesOfFreedom);
  out.paragraph()
      .text("Число степеней свободы ")
      .math("k′ − 3 = ")
      .text(formatInteger(*r.groups))
      .math(" − 3 = ")
      .text(df)
      .text(": из числа групп вычитают 1, потому что сумма частот равна ")
      .math("n")
      .text(", и ещё 2 — по числу параметров нормального закона (")
      .math("a")
      .text(" и ")
      .math("σ")
      .text("), оценённых по той же выборке.");
  if (!r.critical) return;
  const std::string observed = out.logNumber(*r.statistic);
  const std::string alpha = figures.significance;
  const std::string critical = out.logNumber(*r.critical);
  out.paragraph()
      .text("Критическая точка распределения χ² для уровня значимости ")
      .math("α = ")
      .text(alpha)
      .text(" и " + df + " степеней свободы (таблица критических точек, строка " + df +
            ", столбец " + formatInteger(figures.tableColumn) + "): ")
      .math("χ²_{кр}(")
      .text(alpha + "; " + df)
      .math(") = ")
      .text(critical)
      .text(".");
  const bool accepted = r.outcome == RunOutcome::Accepted;
  out.paragraph()
      .text("Сравнение: ")
      .math("χ²_{набл} = ")
      .text(observed)
      .math(accepted ? " < χ²_{кр} = " : " ≥ χ²_{кр} = ")
      .text(critical)
      .text(".");
  if (accepted) {
    out.paragraph().text(
        "Вывод: нет оснований отвергнуть гипотезу о нормальном распределении генеральной "
        "совокупности — расхождение эмпирических и теоретических частот незначимо (случайно).");
  } else {
    out.paragraph().text(
        "Вывод: гипотезу о нормальном распределении генеральной совокупности отвергают — "
        "расхождение эмпирических и теоретических частот значимо. Оценки и доверительные "
        "интервалы для нормального закона не строятся.");
  }
  writePValue(out);
}

void writeIntervals(SolutionWriter& out) {
  const RunResult& r = out.result();
  const SolutionFigures& figures = out.figures();
  if (!r.mean || !r.deviation || !r.meanInterval || !r.deviationInterval || !r.halfWidth) return;
  out.heading("6. Оценки параметров и доверительные интервалы");
  const std::string mean = out.logNumber(*r.mean);
  const std::string deviation = out.logNumber(*r.deviation);
  const std::string n = formatInteger(r.n.value_or(0));
  out.paragraph()
      .text("Точечные оценки: математическое ожидание ")
      .math("m ≈ x̄ = ")
      .text(mean)
      .text(", среднее квадратическое отклонение ")
      .math("b ≈ s = ")
      .text(deviation)
      .text(".");
  const std::string gamma = figures.reliability;
  const std::string sampleSize = formatInteger(figures.coefficientSampleSize);
  out.paragraph()
      .text("Доверительный интервал для ")
      .math("m")
      .text(" с надёжностью ")
      .math("γ = ")
      .text(gamma)
      .text(": ")
      .math("x̄ − δ < m < x̄ + δ, δ = t·s / √n")
      .text(", где ")
      .math("t = t(γ; N) = ")
      .text(out.figure(figures.student))
      .text(" — коэффициент Стьюдента для ")
      .math("γ = ")
      .text(gamma)
      .text(" и ")
      .math("N = ")
      .text(sampleSize)
      .text(".");
  out.paragraph()
      .math("δ = ")
      .text(out.figure(figures.student))
      .math("·")
      .text(deviation)
      .math(" / √")
      .text(n)
      .math(" = ")
      .text(out.gridNumber(*r.halfWidth))
      .text(", откуда ")
      .text(out.gridNumber((*r.meanInterval)[0]))
      .math(" < m < ")
      .text(out.gridNumber((*r.meanInterval)[1]))
      .text(".");
  const std::string q = out.figure(figures.deviationFactor);
  out.paragraph()
      .text("Доверительный интервал для ")
      .math("b")
      .text(": ")
      .math("s(1 − q) < b < s(1 + q)")
      .text(", где ")
      .math("q = q(γ; N) = ")
      .text(q)
      .text(": ")
      .text(deviation)
      .math("·")
      .text(out.figure(figures.lowFactor))
      .math(" < b < ")
      .text(deviation)
      .math("·")
      .text(out.figure(figures.highFactor))
      .text(", то есть ")
      .text(out.gridNumber((*r.deviationInterval)[0]))
      .math(" < b < ")
      .text(out.gridNumber((*r.deviationInterval)[1]))
      .text(".");
  if (figures.lowFactor == 0.0) {
    out.paragraph()
        .text("При ")
        .math("q ≥ 1")
        .text(" нижняя граница для ")
        .math("b")
        .text(" равна 0: отклонение не бывает отрицательным.");
  }
  if (!figures.methodSampleSize) {
    out.paragraph()
        .text("Коэффициенты ")
        .math("t")
        .text(" и ")
        .math("q")
        .text(" взяты для объёма этой выборки: ")
        .math("N = n = ")
        .text(n)
        .text(".");
  } else if (r.n && *r.n != figures.coefficientSampleSize) {
    out.paragraph()
        .text("Коэффициенты ")
        .math("t")
        .text(" и ")
        .math("q")
        .text(" взяты, как в методике, для выборки объёмом ")
        .math("N = ")
        .text(sampleSize)
        .text(", хотя в этой выборке ")
        .math("n = ")
        .text(n)
        .text("; в ")
        .math("δ")
        .text(" стоит фактическое ")
        .math("n")
        .text(".");
  }
}

}  // namespace engine
