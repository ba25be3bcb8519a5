// The worked solution of runs that reach a verdict: the shipped sample worked by hand, the
// conclusions, the level, reliability and coefficients it follows, and what it says of the data.
#include "engine/solution.h"

#include <gtest/gtest.h>

#include <random>

#include "engine/interval_coefficients.h"
#include "engine/number_format.h"
#include "tests/engine/solved_run.h"

namespace engine::testing {
namespace {

// Read against the log and the grid of the same run: x_min, x_max, k, the merges of intervals 1
// and 9, k′ = 7, Xb = 2.3121 < 9.488 for 7 − 3 degrees of freedom, m=px=500.4 b=S=1.9228 and the
// two intervals are the log's, p = e^(−2.3121/2)·(1 + 2.3121/2) = 0.6786 for 4 degrees of freedom;
// x̄ = 500.4, s = 1.923, the first row, the groups' n_g²/n′_g 9.5 (row 2) and 11.73 (row 8) and Xb
// = 2.312 are the grid's. The sums check by hand: 96 + 27 + 52 + 17 + 0 + 18 + 52 + 72 + 32 = 366,
// and 6 + 3 = 9 in 2.384 + 6.143 ≈ 8.526.
const char* const kShippedSampleSolution = R"text(Ход решения

1. Исходные данные
Из файла «Input.txt» прочитано значений выборки: n = 100 (первое число файла — длина интервала).
Длина интервала h = 1; наименьшее и наибольшее значения выборки: x_min = 495.9, x_max = 504.24.
Число интервалов k = ⌊(x_max − x_min) / h⌋ + 1 = ⌊(504.24 − 495.9) / 1⌋ + 1 = ⌊8.34⌋ + 1 = 9.
Интервал i — это [x_min + (i − 1)·h; x_min + i·h); значение, равное x_max, попадает в последний интервал.

2. Таблица группированного ряда
Каждая строка таблицы — один интервал, i = 1, …, k; столбцы заполняются так:
Столбец  Что содержит                     Формула
1        номер интервала                  i
2        середина интервала               x_i = x_min + i·h − h/2
3        частота (значений в интервале)   n_i
4        произведение частоты и середины  n_i·x_i
5        модуль отклонения от x̄           |x_i − x̄|
6        квадрат отклонения               (x_i − x̄)^2
7        взвешенный квадрат отклонения    n_i (x_i − x̄)^2
8        нормированное отклонение         u_i = |x_i − x̄| / s
9        плотность закона N(0; 1)         φ(u_i) = exp(−u_i^2/2) / √(2π)
10       теоретическая частота            n′_i = n·h·φ(u_i) / s
11       вклад группы интервалов в χ²     n_g^2 / n′_g
В строке итогов под таблицей стоят x̄ (столбец 4), s (столбец 7) и χ²_набл (столбец 11).
Например, для интервала 1: x_1 = 496.4, n_1 = 6, n_1·x_1 = 2978, |x_1 − x̄| = 4, (x_1 − x̄)^2 = 16, n_1 (x_1 − x̄)^2 = 96, u_1 = 2.08, φ(u_1) = 0.04583, n′_1 = 2.384.

3. Выборочное среднее и среднее квадратическое отклонение
x̄ = Σn_i x_i / n = 50040 / 100 = 500.4 (столбец 4, строка итогов).
Исправленное среднее квадратическое отклонение (делитель n − 1): s = √(Σn_i (x_i − x̄)^2 / (n − 1)) = √(366 / 99) = 1.923 (столбец 7, строка итогов).

4. Объединение интервалов с малыми теоретическими частотами
Критерий Пирсона требует, чтобы теоретические частоты были не меньше 5: интервал с n′_i < 5 объединяется со следующим, последний — с предыдущим. Частоты группы n_g и n′_g — суммы частот её интервалов.
Теоретические частоты меньше 5: n′_1 = 2.384, n′_9 = 2.383.
Группы, по которым считается χ²; вклад группы стоит в столбце 11 в строке её последнего интервала:
Группа  Интервалы  n_g  n′_g   n_g^2 / n′_g  Строка
1       1–2        9    8.526  9.5           2
2       3          13   12.08  13.99         3
3       4          17   18.12  15.95         4
4       5          20   20.75  19.28         5
5       6          18   18.12  17.88         6
6       7          13   12.08  13.99         7
7       8–9        10   8.526  11.73         8
Число групп после объединения k′ = 7 (было k = 9).

5. Проверка гипотезы по критерию Пирсона
Гипотеза H_0: генеральная совокупность распределена нормально с параметрами, оценёнными по выборке (a = x̄, σ = s).
Наблюдаемое значение критерия: χ²_набл = Σn_g^2 / n′_g − n = 102.31 − 100 = 2.312 (столбец 11, строка итогов).
Число степеней свободы k′ − 3 = 7 − 3 = 4: из числа групп вычитают 1, потому что сумма частот равна n, и ещё 2 — по числу параметров нормального закона (a и σ), оценённых по той же выборке.
Критическая точка распределения χ² для уровня значимости α = 0.05 и 4 степеней свободы (таблица критических точек, строка 4, столбец 3): χ²_кр(0.05; 4) = 9.488.
Сравнение: χ²_набл = 2.3121 < χ²_кр = 9.488.
Вывод: нет оснований отвергнуть гипотезу о нормальном распределении генеральной совокупности — расхождение эмпирических и теоретических частот незначимо (случайно).
Вероятность получить при H_0 значение не меньше наблюдаемого (p-значение) при 4 степенях свободы: p = P(χ² ≥ 2.3121) = 0.6786; гипотезу отвергают, когда p не больше α.

6. Оценки параметров и доверительные интервалы
Точечные оценки: математическое ожидание m ≈ x̄ = 500.4, среднее квадратическое отклонение b ≈ s = 1.9228.
Доверительный интервал для m с надёжностью γ = 0.95: x̄ − δ < m < x̄ + δ, δ = t·s / √n, где t = t(γ; N) = 1.984 — коэффициент Стьюдента для γ = 0.95 и N = 100.
δ = 1.984·1.9228 / √100 = 0.3815, откуда 500 < m < 500.8.
Доверительный интервал для b: s(1 − q) < b < s(1 + q), где q = q(γ; N) = 0.143: 1.9228·0.857 < b < 1.9228·1.143, то есть 1.648 < b < 2.198.
)text";

TEST(Solution, ShippedSampleReadsAsWorkedByHand) {
  AnalysisState state;
  state.CriticalPoints = shippedTable();
  const std::string path = TARNEK_DATA_DIR "/Input.txt";
  state.FileName = path;
  SolvedRun solved = solve(state);
  ASSERT_EQ(solved.result.outcome, RunOutcome::Accepted);
  std::string text = solved.text;
  text.replace(text.find(path), path.size(), "Input.txt");
  EXPECT_EQ(text, kShippedSampleSolution);
}

TEST(Solution, VerdictsSayTheirConclusionAndTheCoefficientsSample) {
  std::mt19937 generator(1);
  AnalysisState accepted = loadedState(normalValues(57, 20, 3, generator), 2);
  const SolvedRun small = solve(accepted);
  ASSERT_EQ(small.result.outcome, RunOutcome::Accepted);
  EXPECT_NE(small.text.find("нет оснований отвергнуть гипотезу"), std::string::npos);
  EXPECT_NE(small.text.find("для выборки объёмом N = 100, хотя в этой выборке n = 57"),
            std::string::npos)
      << small.text;

  std::vector<float> uniform;
  for (int i = 0; i < 200; ++i) uniform.push_back(static_cast<float>(i % 10));
  AnalysisState rejected = loadedState(uniform, 1);
  const SolvedRun flat = solve(rejected);
  ASSERT_EQ(flat.result.outcome, RunOutcome::Rejected);
  EXPECT_NE(flat.text.find(" ≥ χ²_кр = "), std::string::npos);
  EXPECT_NE(
      flat.text.find("гипотезу о нормальном распределении генеральной совокупности отвергают"),
      std::string::npos);
  EXPECT_EQ(flat.text.find("Расчёт остановлен"), std::string::npos);
  EXPECT_EQ(flat.text.find("6. Оценки"), std::string::npos);
}

TEST(Solution, FollowsTheLevelTheReliabilityAndTheCoefficientsSample) {
  std::mt19937 generator(1);
  AnalysisState state = loadedState(normalValues(57, 20, 3, generator), 2);
  state.Gamma = Reliability::NinetyNine;
  state.Coefficients = CoefficientSource::Sample;
  state.Alpha = SignificanceLevel::TwoAndAHalfPercent;
  const SolvedRun solved = solve(state, ',');
  ASSERT_EQ(solved.result.outcome, RunOutcome::Accepted) << solved.text;
  const IntervalCoefficients coefficients = intervalCoefficients(Reliability::NinetyNine, 57);
  for (const std::string& says :
       {std::string("уровня значимости α = 0.025 и "), std::string("строка 3, столбец 2)"),
        std::string("с надёжностью γ = 0.99: "),
        "t = t(γ; N) = " + formatGeneral(coefficients.t, 6, 2, ','),
        "q = q(γ; N) = " + formatGeneral(coefficients.q, 6, 2, ','),
        std::string("взяты для объёма этой выборки: N = n = 57.")})
    EXPECT_NE(solved.text.find(says), std::string::npos) << says << "\n" << solved.text;
  EXPECT_EQ(solved.text.find("как в методике"), std::string::npos);
}

TEST(Solution, NoCriticalPointSaysWhereTheTableIsEmpty) {
  std::mt19937 generator(1);
  AnalysisState state = loadedState(normalValues(57, 20, 3, generator), 2);
  state.CriticalPoints.cells[3][1] = 0.0f;  // the 0.01 point for 3 degrees of freedom
  state.Alpha = SignificanceLevel::OnePercent;
  const SolvedRun solved = solve(state);
  ASSERT_EQ(solved.result.outcome, RunOutcome::NoCriticalPoint);
  for (const char* says :
       {"\nРасчёт остановлен\n", "нет годного значения χ²_кр(0.01; 3) (строка 3, столбец 1)",
        "(p-значение) при 3 степенях свободы: p = ",
        "Что делать: проверьте файл таблицы exttable.txt"})
    EXPECT_NE(solved.text.find(says), std::string::npos) << says << "\n" << solved.text;
  EXPECT_EQ(solved.text.find("Сравнение:"), std::string::npos);
}

TEST(Solution, SaysHowManyValuesWereOutsideTheRange) {
  AnalysisState state = stateInMemory({1, 2, 2, 3, 10, -4}, 1, 1, 3);
  const SolvedRun solved = solve(state);
  EXPECT_NE(solved.text.find("Значений вне диапазона: 2;"), std::string::npos) << solved.text;
  EXPECT_NE(solved.text.find("границы диапазона группировки: x_min = 1, x_max = 3."),
            std::string::npos);
}

}  // namespace
}  // namespace engine::testing
