// The shape of the grouped table, shared by the engine's arrays, the grid and their readers.
#pragma once

#include <cstdint>

namespace engine {

// The table, the grid that shows it and every copy of them have 11 columns.
inline constexpr int32_t kTableColumns = 11;

}  // namespace engine
