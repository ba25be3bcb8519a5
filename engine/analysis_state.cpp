// The analysis state's table accessor.
#include "engine/analysis_state.h"

namespace engine {

float CriticalPointTable::at(int32_t row, int32_t column) const {
  if (row < 1 || row > kCriticalPointRows || column < 1 || column > kCriticalPointColumns)
    return 0.0f;
  return cells[static_cast<size_t>(row)][static_cast<size_t>(column)];
}

}  // namespace engine
