// What tarnek-cli prints for one analysed file: plain text or one JSON line.
#pragma once

#include <string>
#include <vector>

#include "recorded_view.h"

namespace cli {

// The log lines, a blank line, then every grid row as an aligned table.
void appendPlainReport(std::string& out, const engine::RecordedView& view);

// One JSON object and a line break: file, messages, log, grid (every row
// that exists, 11 strings each), histogram and curve as [x, y] pairs.
// `messages` are the table's messages, followed by any the runs showed.
void appendJsonReport(std::string& out, const std::string& file,
                      const std::vector<std::string>& messages, const engine::RecordedView& view);

}  // namespace cli
