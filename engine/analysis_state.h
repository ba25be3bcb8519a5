// The analysis state that lives from one run to the next.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/analysis_settings.h"

namespace engine {

inline constexpr int32_t kMaxSampleCount = 200;
inline constexpr int32_t kCriticalPointRows = 30;
inline constexpr int32_t kCriticalPointColumns = 6;
// The column of the table that holds the 0.05 points, the default level's.
inline constexpr int32_t kTestColumn = 3;

// Critical points of the chi-square test, row d for d degrees of freedom.
// Rows and columns are counted from 1 as the file numbers them; row 0 and
// column 0 exist only to keep that numbering and are never read.
struct CriticalPointTable {
  std::array<std::array<float, kCriticalPointColumns + 1>, kCriticalPointRows + 1> cells{};

  // Row 1..30, column 1..6; anything else reads as 0.
  float at(int32_t row, int32_t column) const;
};

struct AnalysisState {
  std::string FileName = "Input.txt";
  bool FileChanged = true;
  float Xmin = 0.0f;
  float Xmax = 0.0f;
  float IntervalLength = 0.0f;
  CriticalPointTable CriticalPoints;
  // Slots at and above SampleCount are never read by a run; they keep what
  // an earlier, longer load left there.
  std::array<float, kMaxSampleCount> Sample{};
  int32_t SampleCount = 0;
  // The test's level α, the intervals' reliability γ and the sample size their t and q are for.
  SignificanceLevel Alpha = SignificanceLevel::FivePercent;
  Reliability Gamma = Reliability::NinetyFive;
  CoefficientSource Coefficients = CoefficientSource::Method;
};

}  // namespace engine
