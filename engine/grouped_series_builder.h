// Making a grouped series of the rows read: sorted, checked and its empty end intervals dropped.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "engine/data_lines.h"
#include "engine/grouped_series.h"

namespace engine {

// One row of the series as found on a line.
struct GroupedRow {
  int32_t line = 0;
  bool edges = false;  // a and b given; else the midpoint in `a`
  DataCell a;
  DataCell b;
  DataCell frequency;
  bool threeNumbers = false;  // "a b n", which might also be "i x n"
  DataCell first;             // the first of three numbers
};

// The series the rows (all with edges, or all midpoints) make, in the order of their left
// edges or midpoints. Every problem found goes into read.messages; nothing when there are no
// rows or a problem blocks the series.
std::optional<GroupedSeries> buildGroupedSeries(std::vector<GroupedRow> rows, DataRead& read);

}  // namespace engine
