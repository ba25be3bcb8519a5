// The shape of the grouped table, shared by the engine's arrays, the grid and their readers.
#pragma once

#include <cstddef>
#include <cstdint>

namespace engine {

// The table, the grid that shows it and every copy of them have 11 columns.
inline constexpr int32_t kTableColumns = 11;

// The columns by what they hold, from 0 as a table row indexes them (column_descriptions.cpp
// gives each in words and as a formula).
enum TableColumn : size_t {
  kIntervalNumberColumn,    // i
  kMidpointColumn,          // x_i
  kFrequencyColumn,         // n_i
  kWeightedMidpointColumn,  // n_i·x_i
  kDeviationColumn,         // |x_i − x̄|
  kSquaredDeviationColumn,  // (x_i − x̄)²
  kWeightedSquareColumn,    // n_i (x_i − x̄)²
  kNormalisedColumn,        // u_i
  kDensityColumn,           // φ(u_i)
  kExpectedColumn,          // n′_i
  kContributionColumn,      // a group's share of χ²
};
static_assert(static_cast<int32_t>(kContributionColumn) + 1 == kTableColumns);

}  // namespace engine
