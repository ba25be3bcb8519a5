// Benchmarks of the analysis engine: a whole run, the number formats and the readers.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <random>
#include <sstream>

#include "engine/critical_points.h"
#include "engine/data_reader.h"
#include "engine/data_text.h"
#include "engine/number_format.h"
#include "engine/process_file.h"
#include "engine/recorded_view.h"
#include "engine/run_result.h"
#include "engine/sample_reader.h"
#include "engine/sample_writer.h"
#include "engine/solution.h"

namespace {

engine::AnalysisState benchmarkState() {
  engine::AnalysisState state;
  state.FileChanged = false;
  std::mt19937 generator(42);
  std::normal_distribution<double> normal(25.0, 0.1);
  for (int i = 0; i < engine::kMaxSampleCount; ++i)
    state.Sample[static_cast<size_t>(i)] = static_cast<float>(normal(generator));
  state.SampleCount = engine::kMaxSampleCount;
  state.Xmin = state.Sample[0];
  state.Xmax = state.Sample[0];
  for (float value : state.Sample) {
    state.Xmin = std::min(state.Xmin, value);
    state.Xmax = std::max(state.Xmax, value);
  }
  state.IntervalLength = (state.Xmax - state.Xmin) / 11.5f;
  std::ifstream table(TARNEK_DATA_DIR "/exttable.txt", std::ios::binary);
  engine::readCriticalPoints(table, state.CriticalPoints);
  return state;
}

// One run over 200 values with every text formatted and kept, as the window gets it.
void BM_ProcessFile200Values(benchmark::State& bench) {
  engine::AnalysisState state = benchmarkState();
  engine::RecordedView view;
  view.setGridRowCount(22);
  // The whole path, curve and intervals included, or the number says little.
  if (engine::ProcessFile(state, view, '.') != engine::RunOutcome::Accepted)
    bench.SkipWithError("the benchmark sample is not accepted");
  for (auto _ : bench) {
    const engine::RunOutcome outcome = engine::ProcessFile(state, view, '.');
    benchmark::DoNotOptimize(outcome);
  }
}
BENCHMARK(BM_ProcessFile200Values);

// The worked solution of that run, built from its result: every section and both tables, the
// texts formatted, as the window builds it after each run.
void BM_BuildSolution200Values(benchmark::State& bench) {
  engine::AnalysisState state = benchmarkState();
  engine::RecordedView view;
  engine::RunResult result;
  if (engine::ProcessFile(state, view, '.', result) != engine::RunOutcome::Accepted)
    bench.SkipWithError("the benchmark sample is not accepted");
  for (auto _ : bench) {
    engine::TextDocument solution = engine::buildSolution(result, '.');
    benchmark::DoNotOptimize(solution);
  }
}
BENCHMARK(BM_BuildSolution200Values);

// Formats a value that drifts a little each time, so no two calls are alike.
template <typename Format>
void formatDriftingValue(benchmark::State& bench, Format format) {
  float value = 12.345678f;
  for (auto _ : bench) {
    benchmark::DoNotOptimize(format(value));
    value = value * 1.0001f;
  }
}

void BM_FormatGeneral(benchmark::State& bench) {
  formatDriftingValue(bench, [](float value) { return engine::formatGeneral(value, 4, 2, '.'); });
}
BENCHMARK(BM_FormatGeneral);

void BM_FormatFixed(benchmark::State& bench) {
  formatDriftingValue(bench, [](float value) { return engine::formatFixed(value, 3, 2, '.'); });
}
BENCHMARK(BM_FormatFixed);

// `header`, then 200 values of a normal distribution, the same every run, each written by
// `write(text, index, value)`.
template <typename Write>
std::string normalValuesText(const char* header, double mean, double deviation, Write write) {
  std::ostringstream text;
  text << header;
  std::mt19937 generator(7);
  std::normal_distribution<double> normal(mean, deviation);
  for (int i = 0; i < 200; ++i) write(text, i, normal(generator));
  return text.str();
}

void BM_ReadSample(benchmark::State& bench) {
  const std::string contents =
      normalValuesText("0.05\n", 25.0, 0.1, [](std::ostream& text, int i, double value) {
        text << static_cast<float>(value) << (i % 10 == 9 ? '\n' : ' ');
      });
  engine::AnalysisState state;
  for (auto _ : bench) {
    std::istringstream in(contents);
    engine::readSample(in, state);
    benchmark::DoNotOptimize(state.SampleCount);
  }
}
BENCHMARK(BM_ReadSample);

void BM_ReadCriticalPoints(benchmark::State& bench) {
  // The shipped table, as the program reads it at start-up.
  std::ifstream file(TARNEK_DATA_DIR "/exttable.txt", std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  const std::string contents = text.str();
  for (auto _ : bench) {
    std::istringstream in(contents);
    engine::CriticalPointTable table;
    benchmark::DoNotOptimize(engine::readCriticalPoints(in, table));
  }
}
BENCHMARK(BM_ReadCriticalPoints);

// 200 values pasted from a spreadsheet: a header, an index column, decimal commas; decoded,
// read and written as the sample file the data window saves.
void BM_ReadPastedData(benchmark::State& bench) {
  const std::string contents = normalValuesText(
      "\xEF\xBB\xBF№;Масса, г\r\n", 500.4, 1.9, [](std::ostream& text, int i, double value) {
        std::string number = std::to_string(std::round(value * 100) / 100);
        number.resize(number.find('.') + 3);
        number[number.find('.')] = ',';
        text << i + 1 << ';' << number << "\r\n";
      });
  for (auto _ : bench) {
    const engine::DataRead read = engine::readData(engine::decodeDataText(contents).text, {});
    benchmark::DoNotOptimize(engine::savedSampleText(read, 1.0f));
  }
}
BENCHMARK(BM_ReadPastedData);

// A grouped series of 20 intervals and 200 values, read and written as its sample file.
void BM_ReadGroupedSeries(benchmark::State& bench) {
  std::string text = "Интервал;Частота\n";
  const int frequencies[20] = {1,  2,  3,  5,  8,  11, 14, 17, 19, 20,
                               20, 19, 17, 14, 11, 8,  5,  3,  2,  1};
  for (int i = 0; i < 20; ++i) {
    const double left = 1.2 + 0.1 * i;
    char line[64];
    std::snprintf(line, sizeof line, "[%.1f; %.1f);%d\n", left, left + 0.1, frequencies[i]);
    text += line;
  }
  engine::DataReadOptions options;
  options.mode = engine::DataReadOptions::Mode::Grouped;
  for (auto _ : bench) {
    const engine::DataRead read = engine::readData(text, options);
    benchmark::DoNotOptimize(engine::savedSampleText(read, 1.0f));
  }
}
BENCHMARK(BM_ReadGroupedSeries);

}  // namespace
