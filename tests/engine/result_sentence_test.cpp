// The result line's sentence for every way a run ends.
#include "engine/result_sentence.h"

#include <gtest/gtest.h>

namespace engine {
namespace {

RunResult reachedTest(RunOutcome outcome, float statistic, float critical) {
  RunResult result;
  result.outcome = outcome;
  result.groups = 7;
  result.degreesOfFreedom = 4;
  result.statistic = statistic;
  if (outcome != RunOutcome::NoCriticalPoint) result.critical = critical;
  return result;
}

TEST(ResultSentence, SaysTheOutcomeAndWhyInWords) {
  RunResult accepted = reachedTest(RunOutcome::Accepted, 2.312088f, 9.488f);
  RunResult rejected = reachedTest(RunOutcome::Rejected, 25.5f, 13.277f);
  rejected.alpha = SignificanceLevel::OnePercent;
  RunResult equal = reachedTest(RunOutcome::Rejected, 9.488f, 9.488f);
  RunResult noPoint = reachedTest(RunOutcome::NoCriticalPoint, 2.312088f, 0);
  noPoint.alpha = SignificanceLevel::TwoAndAHalfPercent;
  RunResult tooFew;
  tooFew.outcome = RunOutcome::TooFewIntervals;
  tooFew.groups = 3;
  tooFew.degreesOfFreedom = 0;
  tooFew.statistic = 1.5f;
  const auto only = [](RunOutcome outcome) {
    RunResult result;
    result.outcome = outcome;
    return result;
  };
  const struct {
    const char* name;
    RunResult result;
    char separator;
    std::string sentence;
    ResultTone tone;
  } cases[] = {
      {"accepted", accepted, ',',
       "✓ Гипотеза о нормальности принята: Xb = 2,3121 < Xk = 9,488 (степеней свободы: 4, "
       "α = 0.05), p = 0,6786",
       ResultTone::Accepted},
      // P(χ²₄ ≥ 25.5) = e^(-12.75)(1 + 12.75) = 3.9907E-05.
      {"rejected", rejected, '.',
       "✗ Гипотеза о нормальности отвергнута: Xb = 25.5 ≥ Xk = 13.277 (степеней свободы: 4, "
       "α = 0.01), p = 0.00003991",
       ResultTone::Rejected},
      {"equal", equal, '.',
       "✗ Гипотеза о нормальности отвергнута: Xb = 9.488 ≥ Xk = 9.488 (степеней свободы: 4, "
       "α = 0.05), p = 0.04999",
       ResultTone::Rejected},
      {"no critical point", noPoint, '.',
       "⚠ Нет критической точки (α = 0.025, степеней свободы: 4), p = 0.6786. Таблица не найдена "
       "или повреждена: /data/exttable.txt",
       ResultTone::NoVerdict},
      {"too few", tooFew, '.', "Проверка невозможна: число интервалов после объединения 3 меньше 4",
       ResultTone::NoVerdict},
      {"no spread", only(RunOutcome::DegenerateSpread), '.',
       "Проверка невозможна: разброс выборки равен нулю или не определён", ResultTone::NoVerdict},
      {"too many", only(RunOutcome::TooManyIntervals), '.',
       "Проверка не проводилась: интервалов больше 20", ResultTone::NoVerdict},
      {"bad parameters", only(RunOutcome::BadParameters), '.',
       "Проверка не проводилась: длина интервала или границы диапазона неверны",
       ResultTone::NoVerdict},
      {"no data", only(RunOutcome::NoData), '.', "Проверка не проводилась: в файле нет данных",
       ResultTone::NoVerdict},
      {"not opened", only(RunOutcome::FileNotOpened), '.',
       "Проверка не проводилась: входной файл не открылся", ResultTone::NoVerdict},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(resultSentence(c.result, c.separator, "/data/exttable.txt"), c.sentence);
    EXPECT_EQ(resultTone(c.result.outcome), c.tone);
  }
}

}  // namespace
}  // namespace engine
