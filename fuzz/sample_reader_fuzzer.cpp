// Fuzz target: the sample reader over any bytes, against a plain stream reading of the same text
// and against an independent reading of plain files; a leading byte order mark in a share of runs.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <sstream>
#include <string>

#include "engine/analysis_state.h"
#include "engine/classic_stream.h"
#include "engine/sample_reader.h"
#include "engine/utf8_text.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/plain_tokens.h"

namespace {

constexpr uint32_t kUntouchedBits = 0x7fc0dead;  // a NaN no reading can produce
constexpr float kEarlierLength = 7.25f;
const std::string kByteOrderMark = "\xEF\xBB\xBF";
const std::string kEllipsis = "\xE2\x80\xA6";

uint32_t bitsOf(float value) {
  uint32_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}

struct Reading {
  engine::AnalysisState state;
  engine::SampleRead result;
};

Reading readText(const std::string& text) {
  Reading reading;
  reading.state.IntervalLength = kEarlierLength;
  reading.state.SampleCount = -1;
  for (float& slot : reading.state.Sample) std::memcpy(&slot, &kUntouchedBits, sizeof slot);
  std::istringstream in(text);
  reading.result = engine::readSample(in, reading.state);
  return reading;
}

// What formatted stream input alone makes of the text, a number of more than 1,000 characters
// refused: how many numbers it reads (the interval length included, at most 201), whether and
// where a read failed before the end, and whether a number follows the 200th value.
struct StreamReading {
  int32_t numbers = 0;
  bool failed = false;
  int32_t line = 0;
  std::string token;
  bool moreThan200 = false;
};

StreamReading streamReading(const std::string& text) {
  StreamReading reading;
  std::istringstream in(text);
  in.imbue(std::locale::classic());
  while (reading.numbers <= engine::kMaxSampleCount + 1) {
    in >> std::ws;
    if (in.peek() == EOF) break;
    const auto start = static_cast<size_t>(in.tellg());
    float value = 0;
    const bool read = static_cast<bool>(in >> value);
    // Where the number ended, to tell its length; the stream knows no position once at the end.
    const bool atEnd = in.eof();
    in.clear();
    const size_t numberEnd = atEnd ? text.size() : static_cast<size_t>(in.tellg());
    if (read && numberEnd - start <= engine::kMaxNumberCharacters) {
      if (reading.numbers == engine::kMaxSampleCount + 1) {
        reading.moreThan200 = true;
        break;
      }
      ++reading.numbers;
      continue;
    }
    if (reading.numbers == engine::kMaxSampleCount + 1) break;  // after a full sample: no stop
    reading.failed = true;
    reading.line = 1 + static_cast<int32_t>(std::count(text.begin(), text.begin() + start, '\n'));
    size_t end = start;
    while (end < text.size() && !fuzz::isSpace(text[end])) ++end;
    reading.token = text.substr(start, end - start);
    break;
  }
  return reading;
}

bool sameReading(const Reading& a, const Reading& b) {
  if (a.result.intervalLengthRead != b.result.intervalLengthRead ||
      a.result.count != b.result.count || a.result.stop.has_value() != b.result.stop.has_value() ||
      bitsOf(a.state.IntervalLength) != bitsOf(b.state.IntervalLength) ||
      a.state.SampleCount != b.state.SampleCount)
    return false;
  if (a.result.stop &&
      (a.result.stop->line != b.result.stop->line || a.result.stop->text != b.result.stop->text))
    return false;
  for (size_t i = 0; i < a.state.Sample.size(); ++i)
    if (bitsOf(a.state.Sample[i]) != bitsOf(b.state.Sample[i])) return false;
  return true;
}

// The stop's text as the log shows a token: valid UTF-8 without blanks, at most 20 characters,
// then "…" only when the token had more.
void checkStopText(const std::string& shown, const std::string& token) {
  FUZZ_CHECK(!shown.empty(), "empty stop text");
  size_t characters = 0;
  size_t pos = 0;
  for (; pos < shown.size() && characters < engine::kStopTextCharacters; ++characters) {
    const engine::Utf8Step step = engine::nextUtf8(shown, pos);
    FUZZ_CHECK(step.valid && !fuzz::isSpace(shown[pos]), "stop text: " + shown);
    pos += step.length;
  }
  const bool cut = engine::codePointCount(token) > engine::kStopTextCharacters;
  FUZZ_CHECK(shown.substr(pos) == (cut ? kEllipsis : ""), "stop text end: " + shown);
  // A printable ASCII token is shown as it stands, up to the cut.
  if (std::all_of(token.begin(), token.end(), [](char c) { return c > ' ' && c < 0x7F; }))
    FUZZ_CHECK(shown.compare(0, pos, token, 0, pos) == 0, "stop text " + shown + " for " + token);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const Reading reading = readText(text);
  const engine::AnalysisState& state = reading.state;
  const engine::SampleRead& result = reading.result;

  const int32_t n = state.SampleCount;
  FUZZ_CHECK(n >= 0 && n <= engine::kMaxSampleCount, std::to_string(n));
  FUZZ_CHECK(result.count == n, "result count " + std::to_string(result.count));
  FUZZ_CHECK(result.intervalLengthRead || n == 0, "values without an interval length");
  for (int32_t i = 0; i < engine::kMaxSampleCount; ++i) {
    const float value = state.Sample[size_t(i)];
    if (i < n) {
      FUZZ_CHECK(std::isfinite(value), "slot " + std::to_string(i));  // overflow is not stored
    } else {
      FUZZ_CHECK(bitsOf(value) == kUntouchedBits, "slot " + std::to_string(i) + " written");
    }
  }
  FUZZ_CHECK(std::isfinite(state.IntervalLength), "interval length");

  // The byte order mark at the very start is no text: with one added, everything is the same.
  const bool marked = text.compare(0, kByteOrderMark.size(), kByteOrderMark) == 0;
  if (!marked && size % 3 == 0) {
    FUZZ_CHECK(sameReading(readText(kByteOrderMark + text), reading), "a leading mark changed it");
  }

  // A stop exactly when a read failed before the end of the text, at the line and token where
  // that read began; never once 200 values are stored.
  const StreamReading stream = streamReading(marked ? text.substr(kByteOrderMark.size()) : text);
  FUZZ_CHECK(result.stop.has_value() == stream.failed, "stop " + std::to_string(stream.failed));
  FUZZ_CHECK(result.truncated == stream.moreThan200,
             "more than 200: " + std::to_string(stream.moreThan200));
  FUZZ_CHECK(stream.numbers == (result.intervalLengthRead ? n + 1 : 0),
             std::to_string(stream.numbers) + " numbers read by the stream");
  if (result.stop) {
    FUZZ_CHECK(n < engine::kMaxSampleCount, "a stop after 200 values");
    FUZZ_CHECK(result.stop->line == stream.line, "line " + std::to_string(result.stop->line) +
                                                     ", expected " + std::to_string(stream.line));
    checkStopText(result.stop->text, stream.token);
  }

  // Plain files, where every number that is read is a complete token: read them again here.
  const std::vector<std::string> tokens =
      fuzz::splitTokens(marked ? text.substr(kByteOrderMark.size()) : text);
  const size_t used = std::min<size_t>(tokens.size(), 1 + engine::kMaxSampleCount);
  std::vector<float> expected;
  for (size_t i = 0; i < used; ++i) {
    float value = 0;
    if (!fuzz::isPlainReal(tokens[i])) return 0;
    // An overflow or a number too long to be read ends the reading.
    if (tokens[i].size() > engine::kMaxNumberCharacters || !fuzz::plainFloat(tokens[i], value))
      break;
    expected.push_back(value);
  }
  FUZZ_CHECK(result.stop.has_value() == (expected.size() < used), "stop in a plain file");
  if (expected.empty()) {
    FUZZ_CHECK(state.IntervalLength == kEarlierLength && n == 0, "nothing to read");
    return 0;
  }
  FUZZ_CHECK(bitsOf(state.IntervalLength) == bitsOf(expected[0]), tokens[0]);
  FUZZ_CHECK(size_t(n) == expected.size() - 1, std::to_string(n) + " values read");
  for (int32_t i = 0; i < n; ++i)
    FUZZ_CHECK(bitsOf(state.Sample[size_t(i)]) == bitsOf(expected[size_t(i) + 1]),
               tokens[size_t(i) + 1]);
  return 0;
}
