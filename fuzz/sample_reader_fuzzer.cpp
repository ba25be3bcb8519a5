// Fuzz target: the sample reader over any bytes, and against an independent reading of plain files.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <sstream>
#include <string>

#include "analysis_state.h"
#include "fuzz_check.h"
#include "plain_tokens.h"
#include "sample_reader.h"

namespace {

constexpr uint32_t kUntouchedBits = 0x7fc0dead;  // a NaN no reading can produce
constexpr float kEarlierLength = 7.25f;

uint32_t bitsOf(float value) {
  uint32_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  engine::AnalysisState state;
  state.IntervalLength = kEarlierLength;
  state.SampleCount = -1;
  for (float& slot : state.Sample) std::memcpy(&slot, &kUntouchedBits, sizeof slot);

  std::istringstream in(text);
  engine::readSample(in, state);

  const int32_t n = state.SampleCount;
  FUZZ_CHECK(n >= 0 && n <= engine::kMaxSampleCount, std::to_string(n));
  for (int32_t i = 0; i < engine::kMaxSampleCount; ++i) {
    const float value = state.Sample[size_t(i)];
    if (i < n) {
      FUZZ_CHECK(std::isfinite(value), "slot " + std::to_string(i));  // overflow is not stored
    } else {
      FUZZ_CHECK(bitsOf(value) == kUntouchedBits, "slot " + std::to_string(i) + " written");
    }
  }
  FUZZ_CHECK(std::isfinite(state.IntervalLength), "interval length");

  // Plain files, where every number that is read is a complete token: read them again here.
  const std::vector<std::string> tokens = fuzz::splitTokens(text);
  const size_t used = std::min<size_t>(tokens.size(), 1 + engine::kMaxSampleCount);
  std::vector<float> expected;
  for (size_t i = 0; i < used; ++i) {
    float value = 0;
    if (!fuzz::isPlainReal(tokens[i])) return 0;
    if (!fuzz::plainFloat(tokens[i], value)) break;  // an overflow ends the reading
    expected.push_back(value);
  }
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
