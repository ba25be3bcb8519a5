// Fuzz target: the data reader over any bytes and options, as text and as sheet rows, with the
// invariants of what it reports, and the saved sample read back by the program's own reader and
// analysed by the real run; the format check of sample files over the same bytes.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "engine/data_reader.h"
#include "engine/data_text.h"
#include "engine/process_file.h"
#include "engine/recorded_view.h"
#include "engine/run_result.h"
#include "engine/sample_check.h"
#include "engine/sample_reader.h"
#include "engine/sample_writer.h"
#include "engine/utf8_text.h"
#include "fuzz/fuzz_check.h"

namespace {

using engine::DataRead;
using engine::DataReadOptions;

uint32_t bitsOf(float value) {
  uint32_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}

bool validUtf8(const std::string& text) {
  for (size_t pos = 0; pos < text.size();) {
    const engine::Utf8Step step = engine::nextUtf8(text, pos);
    if (!step.valid) return false;
    pos += step.length;
  }
  return true;
}

DataReadOptions optionsFrom(uint8_t byte) {
  DataReadOptions options;
  options.mode = byte & 1 ? DataReadOptions::Mode::Grouped : DataReadOptions::Mode::Values;
  options.decimal = static_cast<DataReadOptions::Decimal>((byte >> 1) % 3);
  options.first = static_cast<DataReadOptions::FirstNumber>((byte >> 3) % 3);
  if (const int column = (byte >> 5) & 3; column > 0) options.column = column;
  return options;
}

// The text the sample file holds, read back by the analysis's reader: the same floats.
void checkReadBack(float length, const std::vector<float>& values) {
  const std::string file = engine::sampleFileText(length, values);
  engine::AnalysisState state;
  std::istringstream in(file);
  const engine::SampleRead read = engine::readSample(in, state);
  FUZZ_CHECK(!read.stop && read.intervalLengthRead, "the written file did not read: " + file);
  FUZZ_CHECK(bitsOf(state.IntervalLength) == bitsOf(length), file);
  FUZZ_CHECK(state.SampleCount == static_cast<int32_t>(values.size()), file);
  for (size_t i = 0; i < values.size(); ++i)
    FUZZ_CHECK(bitsOf(state.Sample[i]) == bitsOf(values[i]), "value " + std::to_string(i));
}

// The series' sample through a real run: its k intervals, frequencies and the promised midpoints.
void checkGrouped(const engine::GroupedSeries& series) {
  const int32_t k = series.intervals();
  FUZZ_CHECK(k >= 1 && k <= 20, "k " + std::to_string(k));
  FUZZ_CHECK(series.total() >= 1 && series.total() <= engine::kMaxSampleCount, "total");
  FUZZ_CHECK(series.frequencies.front() > 0 && series.frequencies.back() > 0, "empty end");
  for (const int32_t frequency : series.frequencies) FUZZ_CHECK(frequency >= 0, "frequency");
  const engine::GroupedSample sample = engine::groupedSample(series);
  FUZZ_CHECK(sample.values.size() == static_cast<size_t>(series.total()), "sample size");
  checkReadBack(sample.length, sample.values);

  engine::AnalysisState state;
  state.FileChanged = false;
  state.IntervalLength = sample.length;
  state.SampleCount = static_cast<int32_t>(sample.values.size());
  std::copy(sample.values.begin(), sample.values.end(), state.Sample.begin());
  const auto [low, high] = std::minmax_element(sample.values.begin(), sample.values.end());
  FUZZ_CHECK(bitsOf(*low) == bitsOf(sample.xmin), "Xmin is not the left edge");
  state.Xmin = *low;
  state.Xmax = *high;
  engine::RecordedView view;
  engine::RunResult result;
  engine::ProcessFile(state, view, '.', result);
  FUZZ_CHECK(result.intervals && *result.intervals == k, "intervals of the run");
  FUZZ_CHECK(result.table.size() == static_cast<size_t>(k) && result.tableColumns >= 3, "table");
  for (int32_t i = 0; i < k; ++i) {
    const auto& row = result.table[static_cast<size_t>(i)];
    FUZZ_CHECK(row[2] == static_cast<float>(series.frequencies[static_cast<size_t>(i)]),
               "frequency of interval " + std::to_string(i + 1));
    FUZZ_CHECK(bitsOf(row[1]) == bitsOf(sample.midpoints[static_cast<size_t>(i)]),
               "midpoint of interval " + std::to_string(i + 1));
  }
}

void checkRead(const DataRead& read, const DataReadOptions& options, size_t lines) {
  FUZZ_CHECK(read.count >= 0, "count");
  if (options.mode == DataReadOptions::Mode::Values || read.count <= engine::kMaxSampleCount)
    FUZZ_CHECK(read.values.size() == static_cast<size_t>(read.count) || !read.usable, "count");
  FUZZ_CHECK(read.decimal != DataReadOptions::Decimal::Auto, "decimal as used");
  int32_t previous = 0;
  for (const engine::SkippedLine& skipped : read.skipped) {
    FUZZ_CHECK(skipped.line >= std::max(previous, 1) && static_cast<size_t>(skipped.line) <= lines,
               "skipped line " + std::to_string(skipped.line));
    FUZZ_CHECK(validUtf8(skipped.text) && engine::codePointCount(skipped.text) <= 81,
               "skipped text");
    previous = skipped.line;
  }
  bool blocked = false;
  for (const engine::DataMessage& message : read.messages) {
    blocked = blocked || engine::isBlocking(message.code);
    FUZZ_CHECK(message.line >= 0 && static_cast<size_t>(message.line) <= lines, "message line");
    FUZZ_CHECK(validUtf8(engine::dataMessageText(message)), "message text");
  }
  for (const float value : read.values) FUZZ_CHECK(std::isfinite(value), "value");
  if (!read.values.empty() && !read.grouped) {
    FUZZ_CHECK(read.min <= read.max, "range");
    for (const float value : read.values)
      FUZZ_CHECK(value >= read.min && value <= read.max, "value outside min and max");
  }
  FUZZ_CHECK(read.usable == (!blocked && read.count >= 1 && read.count <= engine::kMaxSampleCount),
             "usable");
  if (!read.usable) return;
  if (options.mode == DataReadOptions::Mode::Grouped) {
    FUZZ_CHECK(read.grouped.has_value(), "usable grouped read without a series");
    checkGrouped(*read.grouped);
  } else {
    FUZZ_CHECK(!read.grouped, "a series in values mode");
    FUZZ_CHECK(read.chosenColumn >= 1 && read.chosenColumn <= read.columnCount, "column");
    checkReadBack(read.intervalLength.value_or(1.0f), read.values);
  }
}

// The text cut at line ends and tabs, as a sheet would hand it over.
std::vector<std::vector<std::string>> rowsOf(const std::string& text) {
  std::vector<std::vector<std::string>> rows(1, std::vector<std::string>(1));
  for (const char c : text) {
    if (c == '\n') {
      rows.emplace_back(1);
    } else if (c == '\t') {
      rows.back().emplace_back();
    } else {
      rows.back().back() += c;
    }
  }
  return rows;
}

void checkFindings(const std::string& bytes) {
  const std::vector<engine::SampleFinding> findings = engine::checkSampleFile(bytes);
  for (size_t i = 0; i < findings.size(); ++i) {
    FUZZ_CHECK(findings[i].line >= 1, "finding line");
    FUZZ_CHECK(validUtf8(findings[i].text) && engine::codePointCount(findings[i].text) <= 41,
               "finding text");
    FUZZ_CHECK(i == 0 || findings[i - 1].kind < findings[i].kind, "findings order");
    FUZZ_CHECK(validUtf8(engine::sampleFindingText(findings[i])), "finding sentence");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const DataReadOptions options = optionsFrom(data[0]);
  const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
  const engine::DecodedText decoded = engine::decodeDataText(bytes);
  FUZZ_CHECK(validUtf8(decoded.text), "decoded text is not UTF-8");
  FUZZ_CHECK(decoded.text.find('\r') == std::string::npos, "a carriage return is left");
  const size_t lines =
      1 + static_cast<size_t>(std::count(decoded.text.begin(), decoded.text.end(), '\n'));
  checkRead(engine::readData(decoded.text, options), options, lines);
  checkRead(engine::readData(rowsOf(decoded.text), options), options, lines);
  checkFindings(bytes);
  return 0;
}
