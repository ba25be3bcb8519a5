// The worked solution of one run: every step in the textbook's notation, as a text document.
#pragma once

#include "engine/document/text_document.h"
#include "engine/run_result.h"

namespace engine {

// The steps the run went through, from its own stored values, in Russian: the data and the
// number of intervals, what each grid column holds, x̄ and s with their sums, the merging of
// small expected frequencies, the chi-square test with its degrees of freedom, critical point
// and conclusion, the estimates and both confidence intervals; a run that ended early says why
// and what to do. Every number is formatted as the grid or the log formats it, with
// `decimalSeparator`, so it reads as the same digits there.
TextDocument buildSolution(const RunResult& result, char decimalSeparator);

}  // namespace engine
