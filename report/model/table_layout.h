// Column widths of a table fitted to its contents, as a word processor's autofit lays them out.
#pragma once

#include <QString>
#include <cstdint>
#include <vector>

#include "engine/document/text_document.h"

namespace report {

// The width of one line of `text` in the Normal face (Arial, or its metric-compatible
// substitutes) at `halfPoints`, in twips. Characters outside ASCII count as wide letters.
int32_t textWidthTwips(const QString& text, int32_t halfPoints);

// One width per column: its widest line plus the cell margins. When the sum is above
// `availableTwips`, every column is narrowed in proportion so the table fits.
std::vector<int32_t> autofitColumnWidths(const engine::TextTable& table, int32_t availableTwips);

}  // namespace report
