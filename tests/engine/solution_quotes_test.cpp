// The worked solution's numbers against the log and the grid of many runs: every outcome, the
// fuzzers' corpora, the shipped samples and random ones, and a check that notices a wrong digit.
#include "fuzz/solution_quotes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <random>

#include "engine/solution.h"
#include "fuzz/fuzzed_state.h"
#include "tests/engine/solved_run.h"

namespace engine::testing {
namespace {

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
}  // namespace engine::testing
