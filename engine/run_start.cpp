// The start of a run: clearing the view, loading the sample, the number of intervals.
#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "engine/analysis_run.h"
#include "engine/input_file.h"
#include "engine/read_stop.h"
#include "engine/sample_reader.h"
#include "engine/texts.h"

namespace engine {

namespace {

void clearView(AnalysisView& view) {
  view.clearSeries(kHistogramSeries);
  view.clearSeries(kCurveSeries);
  const int32_t rows = view.gridRowCount();
  for (int32_t row = 0; row < rows; ++row)
    for (int32_t column = 0; column < kTableColumns; ++column) view.setGridCell(column, row, "");
  view.clearLog();
}

// The reader asks its stream where each number starts, and a file stream asks the system every
// time; a file of any real sample's size is therefore read from memory. A larger one (mostly
// blanks, or text after the values) is read from the file as it stands.
constexpr std::streamsize kInMemoryBytes = std::streamsize{64} * 1024;

SampleRead readSampleFile(std::ifstream& in, AnalysisState& state) {
  std::string content(static_cast<size_t>(kInMemoryBytes) + 1, '\0');
  in.read(content.data(), kInMemoryBytes + 1);
  if (in.gcount() <= kInMemoryBytes) {
    content.resize(static_cast<size_t>(in.gcount()));
    std::istringstream memory(content);
    return readSample(memory, state);
  }
  in.clear();
  in.seekg(0);
  return readSample(in, state);
}

// What the reading did, or nothing when the file could not be opened.
std::optional<SampleRead> loadSample(AnalysisState& state, AnalysisView& view) {
  state.FileChanged = false;  // cleared before the open, so a failed open is not retried
  std::ifstream in;
  if (!openInputFile(state.FileName, in)) {
    view.appendLog(text::kFileNotOpened);
    return std::nullopt;
  }
  const SampleRead read = readSampleFile(in, state);
  view.appendLog(std::string(text::kLoadedPrefix) + formatInteger(read.count) +
                 text::kLoadedSuffix);
  if (read.truncated) view.appendLog(text::kMoreValuesThanRead);
  if (read.stop) view.appendLog(readStopLine(*read.stop));
  return read;
}

// Xmin and Xmax keep their values when there is nothing to take them from.
void findRange(AnalysisState& state) {
  if (state.SampleCount < 1) return;
  state.Xmin = state.Sample[0];
  state.Xmax = state.Sample[0];
  for (int32_t i = 1; i < state.SampleCount; ++i) {
    const float value = state.Sample[static_cast<size_t>(i)];
    if (value < state.Xmin) state.Xmin = value;
    if (value > state.Xmax) state.Xmax = value;
  }
}

// The reason the grouping parameters cannot be used, or nothing.
std::optional<ParameterProblem> groupingProblem(const AnalysisState& state) {
  const float h = state.IntervalLength;
  if (!(std::isfinite(h) && h > 0.0f)) return ParameterProblem::IntervalLength;
  if (!std::isfinite(state.Xmin) || !std::isfinite(state.Xmax))
    return ParameterProblem::RangeBounds;
  if (state.Xmin > state.Xmax) return ParameterProblem::RangeOrder;
  return std::nullopt;
}

const char* problemLine(ParameterProblem problem) {
  switch (problem) {
    case ParameterProblem::IntervalLength:
      return text::kBadIntervalLength;
    case ParameterProblem::RangeBounds:
      return text::kBadRangeBounds;
    case ParameterProblem::RangeOrder:
      break;
  }
  return text::kBadRangeOrder;
}

// A whole number held in a double, as decimal text of any size.
std::string wholeNumberText(double value) {
  char buffer[400];
  std::snprintf(buffer, sizeof buffer, "%.0f", value);
  return buffer;
}

}  // namespace

bool startRun(AnalysisRun& run, RunOutcome& outcome) {
  AnalysisState& state = run.state;
  AnalysisView& view = run.view;
  clearView(view);
  run.result.fileName = state.FileName;

  if (state.FileChanged) {
    run.sampleRead = loadSample(state, view);
    if (!run.sampleRead) {
      outcome = RunOutcome::FileNotOpened;
      return false;
    }
    run.result.stoppedAt = run.sampleRead->stop;
    run.result.truncated = run.sampleRead->truncated;
    run.result.loaded = run.sampleRead->count;
    findRange(state);
  }
  run.result.n = state.SampleCount;
  if (state.SampleCount < 1) {
    view.appendLog(text::kNoData);
    outcome = RunOutcome::NoData;
    return false;
  }

  view.appendLog(std::string(text::kProcessingFile) + state.FileName);
  view.appendLog(text::kIntervalLength + run.fiveDigits(state.IntervalLength));
  view.appendLog(text::kMinimum + run.fiveDigits(state.Xmin));
  view.appendLog(text::kMaximum + run.fiveDigits(state.Xmax));
  run.result.h = state.IntervalLength;
  run.result.xmin = state.Xmin;
  run.result.xmax = state.Xmax;

  if (const std::optional<ParameterProblem> problem = groupingProblem(state)) {
    run.result.parameterProblem = problem;
    view.appendLog(problemLine(*problem));
    outcome = RunOutcome::BadParameters;
    return false;
  }

  // The same expression, in the same precision, puts each value into its
  // interval, so Xmax lands in interval k. The quotient is finite and at
  // least 1 here; it is truncated only once it is known to fit.
  const double quotient =
      (static_cast<double>(state.Xmax) - state.Xmin) / state.IntervalLength + 1.0;
  if (quotient >= kMaxIntervals + 1) {
    run.result.intervals = std::trunc(quotient);
    view.appendLog(text::kIntervalCount + wholeNumberText(*run.result.intervals));
    view.appendLog(text::kTooManyIntervals);
    outcome = RunOutcome::TooManyIntervals;
    return false;
  }
  run.intervals = static_cast<int32_t>(quotient);
  run.result.intervals = run.intervals;
  view.appendLog(text::kIntervalCount + formatInteger(run.intervals));
  return true;
}

}  // namespace engine
