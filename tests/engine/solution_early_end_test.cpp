// The worked solution of runs that end early: each says what happened, what was read and what to
// do, for a file that could not be read whole and for a sample that stops before the verdict.
#include <gtest/gtest.h>

#include "engine/solution.h"
#include "tests/engine/solved_run.h"

namespace engine::testing {
namespace {

TEST(Solution, FileEndsSayWhatWasRead) {
  TempDir dir;
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
    state.CriticalPoints = referenceTable();
    state.FileName = c.contents ? dir.write("sample.txt", c.contents) : dir.file("absent.txt");
    const SolvedRun solved = solve(state);
    ASSERT_EQ(solved.result.outcome, c.outcome);
    EXPECT_NE(solved.text.find(c.says), std::string::npos) << solved.text;
    EXPECT_NE(solved.text.find("Что делать: "), std::string::npos);
    EXPECT_EQ(solved.text.find("1. Исходные данные") == std::string::npos,
              c.outcome == RunOutcome::FileNotOpened);
  }
}

// A sample in memory whose run stops before the verdict, and what its solution must say.
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
    AnalysisState state = stateInMemory(c.values, c.h, c.xmin, c.xmax);
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

}  // namespace
}  // namespace engine::testing
