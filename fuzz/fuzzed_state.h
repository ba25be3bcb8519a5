// The analysis state a process_file fuzz input stands for, for the fuzzer and the tests alike.
#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <limits>

#include "engine/analysis_settings.h"
#include "engine/analysis_state.h"

namespace fuzz {

inline float fromBits(uint32_t bits) {
  float value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

// Values that break arithmetic, small steps that make realistic samples, or any bits.
inline float pickFloat(FuzzedDataProvider& in) {
  static const float kSpecial[] = {0.0f,
                                   -0.0f,
                                   1,
                                   -1,
                                   0.5f,
                                   2,
                                   10,
                                   0.1f,
                                   1e-3f,
                                   1e3f,
                                   1e-30f,
                                   1e30f,
                                   std::numeric_limits<float>::denorm_min(),
                                   -std::numeric_limits<float>::denorm_min(),
                                   FLT_MIN,
                                   FLT_MAX,
                                   -FLT_MAX,
                                   INFINITY,
                                   -INFINITY,
                                   NAN,
                                   4294967296.0f,
                                   3e38f};
  constexpr uint8_t kSpecialCount = sizeof kSpecial / sizeof kSpecial[0];
  const uint8_t choice = in.ConsumeIntegral<uint8_t>();
  if (choice < kSpecialCount) return kSpecial[choice];
  if (choice < 128) return static_cast<float>(choice - 64) / 4.0f;
  return fromBits(in.ConsumeIntegral<uint32_t>());
}

// The 0.01, 0.025 and 0.05 points for 1..17 degrees of freedom, the columns a run reads.
inline engine::CriticalPointTable referenceTable() {
  static const float points[][3] = {
      {6.635f, 5.024f, 3.841f},    {9.210f, 7.378f, 5.991f},    {11.345f, 9.348f, 7.815f},
      {13.277f, 11.143f, 9.488f},  {15.086f, 12.833f, 11.070f}, {16.812f, 14.449f, 12.592f},
      {18.475f, 16.013f, 14.067f}, {20.090f, 17.535f, 15.507f}, {21.666f, 19.023f, 16.919f},
      {23.209f, 20.483f, 18.307f}, {24.725f, 21.920f, 19.675f}, {26.217f, 23.337f, 21.026f},
      {27.688f, 24.736f, 22.362f}, {29.141f, 26.119f, 23.685f}, {30.578f, 27.488f, 24.996f},
      {32.000f, 28.845f, 26.296f}, {33.409f, 30.191f, 27.587f}};
  engine::CriticalPointTable table;
  for (size_t d = 1; d <= std::size(points); ++d)
    for (size_t column = 1; column <= 3; ++column)
      table.cells[d][column] = points[d - 1][column - 1];
  return table;
}

inline engine::AnalysisState stateFrom(FuzzedDataProvider& in) {
  engine::AnalysisState state;
  state.FileChanged = false;
  state.FileName = in.ConsumeRandomLengthString(24);

  const int32_t n = in.ConsumeIntegralInRange<int32_t>(0, engine::kMaxSampleCount);
  state.SampleCount = n;
  if (in.ConsumeBool()) {
    for (int32_t i = 0; i < n; ++i) state.Sample[size_t(i)] = pickFloat(in);
  } else {  // a cluster, as measurements are
    const float centre = pickFloat(in), spread = pickFloat(in);
    for (int32_t i = 0; i < n; ++i)
      state.Sample[size_t(i)] =
          static_cast<float>(centre + double(spread) * in.ConsumeIntegral<int8_t>() / 32.0);
  }

  float low = 0, high = 0;
  if (n > 0) {
    low = high = state.Sample[0];
    for (int32_t i = 1; i < n; ++i) {
      low = std::min(low, state.Sample[size_t(i)]);
      high = std::max(high, state.Sample[size_t(i)]);
    }
  }
  switch (in.ConsumeIntegralInRange(0, 3)) {
    case 0:  // anything
      state.IntervalLength = pickFloat(in);
      state.Xmin = pickFloat(in);
      state.Xmax = pickFloat(in);
      break;
    case 1:  // the range a fresh load finds, any length
      state.Xmin = low;
      state.Xmax = high;
      state.IntervalLength = pickFloat(in);
      break;
    case 2:  // the range a fresh load finds, about 1 to 25 intervals
      state.Xmin = low;
      state.Xmax = high;
      state.IntervalLength =
          static_cast<float>((double(high) - low) / (in.ConsumeIntegralInRange(1, 400) / 16.0));
      break;
    default:  // a range set by hand around a whole number of intervals
      state.Xmin = pickFloat(in);
      state.IntervalLength = pickFloat(in);
      state.Xmax = static_cast<float>(state.Xmin + double(state.IntervalLength) *
                                                       in.ConsumeIntegralInRange(0, 100) / 4.0);
      break;
  }

  switch (in.ConsumeIntegralInRange(0, 3)) {
    case 0:
      state.CriticalPoints = referenceTable();
      break;
    case 1:
      break;  // no table could be loaded: all zero
    case 2:
      for (size_t row = 1; row <= size_t(engine::kCriticalPointRows); ++row)
        for (size_t column = 1; column <= size_t(engine::kCriticalPointColumns); ++column)
          state.CriticalPoints.cells[row][column] = pickFloat(in);
      break;
    default: {
      const float point = pickFloat(in);
      for (size_t row = 1; row <= size_t(engine::kCriticalPointRows); ++row)
        for (size_t column = 1; column <= size_t(engine::kCriticalPointColumns); ++column)
          state.CriticalPoints.cells[row][column] = point;
    }
  }
  state.Alpha = in.PickValueInArray(engine::kSignificanceLevels);
  state.Gamma = in.PickValueInArray(engine::kReliabilities);
  state.Coefficients = in.PickValueInArray(engine::kCoefficientSources);
  return state;
}

struct FuzzedRun {
  char separator = '.';
  int previousRun = 0;  // what an earlier run left in the view: 0 nothing, 1 or 2 a run
  engine::AnalysisState state;
};

// Reads an input in the order the corpus was made with; the bytes left over are ignored.
inline FuzzedRun fuzzedRun(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  FuzzedRun run;
  run.separator = in.ConsumeBool() ? ',' : '.';
  run.previousRun = in.ConsumeIntegralInRange(0, 2);
  run.state = stateFrom(in);
  return run;
}

}  // namespace fuzz
