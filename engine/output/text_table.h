// A grid of texts laid out as aligned columns.
#pragma once

#include <string>
#include <vector>

namespace engine {

// Appends one line per row, each cell right-aligned to the widest cell of its
// column (measured in code points) and cells two spaces apart. Trailing
// spaces are dropped, so a row of empty cells is an empty line. Rows may
// have different lengths; missing cells are empty.
void appendTextTable(std::string& out, const std::vector<std::vector<std::string>>& rows);

}  // namespace engine
