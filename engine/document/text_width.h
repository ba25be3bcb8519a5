// Column widths of a table fitted to its contents, as a word processor's autofit lays them out,
// measured on UTF-8 text without Qt.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace engine {

// The width of one line of `text` in the Normal face (Arial, or its metric-compatible
// substitutes) at `halfPoints`, in twips. Characters outside ASCII count as wide letters.
int32_t lineWidthTwips(std::string_view text, int32_t halfPoints);

// One width per column from the width of its widest line: that plus the cell margins. When the
// sum is above `availableTwips`, every column is narrowed in proportion so the table fits.
std::vector<int32_t> fitColumnWidths(const std::vector<int32_t>& widestLineTwips,
                                     int32_t availableTwips);

}  // namespace engine
