// What each of the grid's 11 columns holds and the formula that gives it.
#pragma once

#include <array>
#include <cstdint>

#include "engine/document/text_document.h"
#include "engine/table_shape.h"

namespace engine {

struct ColumnDescription {
  TextParagraph meaning;  // what the column holds, in words
  TextParagraph formula;  // how row i is computed
  TextParagraph summary;  // what the summary row holds there; no runs when nothing
};

// Indexed by grid column from 0; the header shows the column as index + 1.
const std::array<ColumnDescription, kTableColumns>& columnDescriptions();

// "Столбец N. Meaning: formula. В строке итогов — summary." for column 0..10; no runs outside.
TextParagraph columnTooltip(int32_t column);

}  // namespace engine
