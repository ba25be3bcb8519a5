// The worked solution: the shipped sample worked by hand, every early end, and its numbers
// against the log and the grid of many runs.
#include "engine/solution.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "engine/critical_points.h"
#include "engine/document/document_plain_text.h"
#include "engine/interval_coefficients.h"
#include "engine/number_format.h"
#include "engine/process_file.h"
#include "engine/recorded_view.h"
#include "fuzz/fuzzed_state.h"
#include "fuzz/solution_quotes.h"
#include "tests/engine/test_files.h"

namespace engine {
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

CriticalPointTable shippedTable() {
  CriticalPointTable table;
  RecordedView messages;
  if (loadCriticalPoints(TARNEK_DATA_DIR "/exttable.txt", table, messages) != TableLoad::Loaded)
    ADD_FAILURE() << "the shipped table did not load";
  return table;
}

struct SolvedRun {
  RecordedView view;
  RunResult result;
  std::string text;  // the solution as plain text
};

SolvedRun solve(AnalysisState& state, char separator = '.') {
  SolvedRun solved;
  ProcessFile(state, solved.view, separator, solved.result);
  solved.text = plainDocument(buildSolution(solved.result, separator));
  return solved;
}

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

struct EarlyEndCase {
  const char* name;
  std::vector<float> values;
  float h, xmin, xmax;
  RunOutcome outcome;
  std::vector<const char*> says;  // texts the solution must hold
};

TEST(Solution, EveryEarlyEndSaysWhatHappenedAndWhatToDo) {
  const float inf = std::numeric_limits<float>::infinity();
  const EarlyEndCase cases[] = {
      {"no sample yet",
       {},
       1,
       0,
       0,
       RunOutcome::NoData,
       {"ещё не был прочитан", "Что делать: первым числом файла"}},
      {"zero length",
       {1, 2},
       0,
       1,
       2,
       RunOutcome::BadParameters,
       {"h = 0 не годится", "Что делать: задайте h > 0"}},
      {"negative length", {1, 2}, -1, 1, 2, RunOutcome::BadParameters, {"h = -1 не годится"}},
      {"infinite bound",
       {1, 2},
       1,
       -inf,
       2,
       RunOutcome::BadParameters,
       {"x_min = -INF, x_max = 2 должны быть конечными", "Что делать: задайте конечные"}},
      {"bounds reversed",
       {1, 2},
       1,
       3,
       2,
       RunOutcome::BadParameters,
       {"x_min = 3 > x_max = 2", "Что делать: поменяйте границы"}},
      {"too many",
       {1, 2, 3},
       0.01f,
       1,
       3,
       RunOutcome::TooManyIntervals,
       {"= ⌊200⌋ + 1 = 201.", "k = 201 > 20", "h > (x_max − x_min) / 20 = 0.1."}},
      {"one value",
       {7},
       1,
       7,
       7,
       RunOutcome::DegenerateSpread,
       {"В выборке одно значение", "= NAN", "Что делать: добавьте в файл значения"}},
      {"one interval",
       {5, 5, 5},
       1,
       5,
       5,
       RunOutcome::DegenerateSpread,
       {"попали в один интервал", "s = 0,", "Что делать: уменьшите длину интервала h"}},
      {"too few groups",
       {1, 2, 2, 3},
       1,
       1,
       3,
       RunOutcome::TooFewIntervals,
       {"k′ = 1: степеней свободы k′ − 3 = -2, меньше одной",
        "Что делать: нужно не меньше 4 групп"}},
  };
  for (const EarlyEndCase& c : cases) {
    SCOPED_TRACE(c.name);
    AnalysisState state = testing::stateInMemory(c.values, c.h, c.xmin, c.xmax);
    const SolvedRun solved = solve(state);
    ASSERT_EQ(solved.result.outcome, c.outcome);
    EXPECT_NE(solved.text.find("\nРасчёт остановлен\n"), std::string::npos) << solved.text;
    for (const char* text : c.says)
      EXPECT_NE(solved.text.find(text), std::string::npos) << text << "\n" << solved.text;
    // Nothing is claimed beyond the point where the run stopped.
    EXPECT_EQ(solved.text.find("Сравнение:"), std::string::npos);
    EXPECT_EQ(solved.text.find("6. Оценки"), std::string::npos);
    EXPECT_EQ(solved.text.find("5. Проверка") != std::string::npos,
              c.outcome == RunOutcome::TooFewIntervals);
    EXPECT_EQ(
        solved.text.find("2. Таблица") != std::string::npos,
        c.outcome == RunOutcome::TooFewIntervals || c.outcome == RunOutcome::DegenerateSpread);
  }
}

TEST(Solution, FileEndsSayWhatWasRead) {
  testing::TempDir dir;
  struct FileCase {
    const char* name;
    const char* contents;  // nullptr: no such file
    RunOutcome outcome;
    const char* says;
  };
  const FileCase cases[] = {
      {"missing", nullptr, RunOutcome::FileNotOpened, "» открыть не удалось"},
      {"length only", "1\n", RunOutcome::NoData, "В файле нет ни одного значения выборки"},
      {"stops at a word", "1\n1 2 2 3 x 4\n", RunOutcome::TooFewIntervals,
       "Чтение файла остановилось в строке 2 на «x»"},
  };
  for (const FileCase& c : cases) {
    SCOPED_TRACE(c.name);
    AnalysisState state;
    state.CriticalPoints = testing::referenceTable();
    state.FileName = c.contents ? dir.write("sample.txt", c.contents) : dir.file("absent.txt");
    const SolvedRun solved = solve(state);
    ASSERT_EQ(solved.result.outcome, c.outcome);
    EXPECT_NE(solved.text.find(c.says), std::string::npos) << solved.text;
    EXPECT_NE(solved.text.find("Что делать: "), std::string::npos);
    EXPECT_EQ(solved.text.find("1. Исходные данные") == std::string::npos,
              c.outcome == RunOutcome::FileNotOpened);
  }
}

std::vector<float> normalValues(int n, double mean, double deviation, std::mt19937& generator) {
  std::normal_distribution<double> normal(mean, deviation);
  std::vector<float> values;
  for (int i = 0; i < n; ++i) values.push_back(static_cast<float>(normal(generator)));
  return values;
}

AnalysisState loadedState(const std::vector<float>& values, float h) {
  float low = values.front(), high = values.front();
  for (float v : values) low = std::min(low, v), high = std::max(high, v);
  AnalysisState state = testing::stateInMemory(values, h, low, high);
  state.CriticalPoints = shippedTable();
  return state;
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
  AnalysisState state = testing::stateInMemory({1, 2, 2, 3, 10, -4}, 1, 1, 3);
  const SolvedRun solved = solve(state);
  EXPECT_NE(solved.text.find("Значений вне диапазона: 2;"), std::string::npos) << solved.text;
  EXPECT_NE(solved.text.find("границы диапазона группировки: x_min = 1, x_max = 3."),
            std::string::npos);
}

// Every outcome's run, by whatever route, quotes the log's and the grid's own digits.
void expectQuotesAgree(AnalysisState& state, char separator, std::map<RunOutcome, int>& outcomes,
                       const std::string& what) {
  SolvedRun solved = solve(state, separator);
  ++outcomes[solved.result.outcome];
  fuzz::SolutionQuotes quotes(solved.view, solved.result, separator);
  const std::vector<std::string> problems = quotes.problems();
  EXPECT_TRUE(problems.empty()) << what << ": " << problems.front() << "\n" << solved.text;
}

TEST(Solution, QuotesEveryNumberAsTheLogAndTheGridShowIt) {
  std::map<RunOutcome, int> outcomes;
  namespace fs = std::filesystem;
  for (const auto& entry : fs::directory_iterator(TARNEK_SOURCE_DIR "/fuzz/corpus/process_file")) {
    std::ifstream in(entry.path(), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    fuzz::FuzzedRun run =
        fuzz::fuzzedRun(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    expectQuotesAgree(run.state, run.separator, outcomes, entry.path().filename().string());
  }
  const CriticalPointTable table = shippedTable();
  for (const char* folder : {"/fuzz/corpus/sample_reader", "/tests/report/samples", "/data"}) {
    for (const auto& entry : fs::directory_iterator(std::string(TARNEK_SOURCE_DIR) + folder)) {
      if (entry.path().filename() == "exttable.txt" || entry.path().extension() != ".txt") continue;
      AnalysisState state;
      state.CriticalPoints = table;
      state.FileName = entry.path().string();
      expectQuotesAgree(state, ',', outcomes, state.FileName);
    }
  }
  std::mt19937 generator(2024);
  for (int i = 0; i < 200; ++i) {
    const int n = std::uniform_int_distribution<int>(1, kMaxSampleCount)(generator);
    const double scale = std::pow(10.0, std::uniform_int_distribution<int>(-3, 5)(generator));
    std::vector<float> values = normalValues(n, 7 * scale, scale, generator);
    if (i % 5 == 0)
      for (float& value : values) value = static_cast<float>(std::round(value / scale) * scale);
    const float low = *std::min_element(values.begin(), values.end());
    const float high = *std::max_element(values.begin(), values.end());
    const double intervals = std::uniform_real_distribution<double>(0.5, 24)(generator);
    float h = static_cast<float>((static_cast<double>(high) - low) / intervals);
    if (!(h > 0)) h = static_cast<float>(scale);
    AnalysisState state = loadedState(values, h);
    if (i % 7 == 0) state.Xmin = static_cast<float>(low + (high - low) / 4);  // set by hand
    state.Alpha = kSignificanceLevels[i % 3];
    state.Gamma = kReliabilities[(i / 3) % 3];
    state.Coefficients = kCoefficientSources[(i / 9) % 2];
    expectQuotesAgree(state, i % 2 ? ',' : '.', outcomes, "random sample " + std::to_string(i));
  }
  for (const RunOutcome outcome :
       {RunOutcome::NoData, RunOutcome::BadParameters, RunOutcome::TooManyIntervals,
        RunOutcome::DegenerateSpread, RunOutcome::TooFewIntervals, RunOutcome::NoCriticalPoint,
        RunOutcome::Rejected, RunOutcome::Accepted})
    EXPECT_GT(outcomes[outcome], 0) << "no run ended with outcome " << static_cast<int>(outcome);
}

// The check above would pass on a solution that quoted nothing right only if it found nothing.
TEST(Solution, QuoteCheckNoticesADigitThatDiffers) {
  AnalysisState state;
  state.CriticalPoints = shippedTable();
  state.FileName = TARNEK_DATA_DIR "/Input.txt";
  SolvedRun solved = solve(state);
  ASSERT_TRUE(fuzz::SolutionQuotes(solved.view, solved.result, '.').problems().empty());
  const struct {
    const char* line;  // the start of the log line to replace, or "" for the grid's x̄
    const char* replacement;
  } tampered[] = {
      {"Минимальный", "Минимальный элемент равен 495.8"},
      {"Число интервалов равно", "Число интервалов равно 8"},
      {"Новое число", "Новое число интервалов равно 6"},
      {"Xb = ",
       "Xb = 2.3122 меньше чем Xk(7-3)= 9.488. Гипотеза о нормальном распределении принята."},
      {"m=px=", "m=px=500.4   b=S=1.9229"},
      {"500 < m", "500.1 < m < 500.8"},
      {"", "500.5"}};
  for (const auto& change : tampered) {
    SCOPED_TRACE(change.replacement);
    RecordedView view;
    view.setGridRowCount(solved.view.gridRowCount());
    for (int32_t row = 0; row < solved.view.gridRowCount(); ++row)
      for (int32_t column = 0; column < kTableColumns; ++column)
        view.setGridCell(column, row, solved.view.cell(column, row));
    for (const std::string& line : solved.view.log())
      view.appendLog(*change.line && line.rfind(change.line, 0) == 0 ? change.replacement : line);
    if (!*change.line) view.setGridCell(3, view.gridRowCount() - 1, change.replacement);
    EXPECT_FALSE(fuzz::SolutionQuotes(view, solved.result, '.').problems().empty());
  }
}

}  // namespace
}  // namespace engine
