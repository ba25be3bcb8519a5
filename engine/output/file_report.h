// What tarnek-cli prints for one analysed file: plain text or one JSON line.
#pragma once

#include <string>
#include <vector>

#include "engine/recorded_view.h"
#include "engine/run_result.h"

namespace engine {

// The log lines, a blank line, then every grid row as an aligned table.
void appendPlainReport(std::string& out, const engine::RecordedView& view);

// One JSON object and a line break: file, messages, log, grid (every row
// that exists, 11 strings each), histogram and curve as [x, y] pairs.
// `messages` are the table's messages, followed by any the runs showed. With
// `result`, a "result" object of the run's numbers follows (run_result_json.h),
// and with `solution` a "solution" array of its paragraphs' texts after that.
void appendJsonReport(std::string& out, const std::string& file,
                      const std::vector<std::string>& messages, const engine::RecordedView& view,
                      const engine::RunResult* result = nullptr,
                      const std::vector<std::string>* solution = nullptr);

}  // namespace engine
