// The grouped table of one run as CSV, for spreadsheets and scripts.
#pragma once

#include <string>

#include "engine/run_result.h"

namespace engine {

// Appends a header line of the column numbers 1..11, the rows 1..k and the
// summary row (x̄ under column 4, S under column 7, Xb under column 11, as the
// grid has them). Fields are separated by ",", numbers written with "." in
// their shortest form; a value the run did not compute is an empty field.
// Without a table only the header line is written.
void appendCsvTable(std::string& out, const engine::RunResult& result);

}  // namespace engine
