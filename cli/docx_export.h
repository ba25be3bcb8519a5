// The Word report of one analysis, drawn and written without a display.
#pragma once

#include <ostream>
#include <string>

#include "recorded_view.h"

namespace cli {

// Draws the chart of `view` offscreen at the window's size and writes chart,
// grid and log to `path` through the report's automation steps. Starts the
// offscreen platform when no application exists. False, with the reason on
// `err`, when the report could not be written.
bool writeDocxReport(const engine::RecordedView& view, const std::string& path, std::ostream& err);

}  // namespace cli

// The same, as the report module exports it for tarnek-cli to load.
extern "C" bool tarnekWriteDocxReport(const engine::RecordedView& view, const std::string& path,
                                      std::ostream& err);
