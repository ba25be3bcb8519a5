// Creating the program's two windows in their start-up order.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "ui/main_window/main_form.h"

namespace ui {

// Creates MainForm (which loads the table and runs the analysis once), then
// OptForm filled from the state that run left. Both stay hidden; the options
// dialog belongs to the main window and goes with it. `sampleArgument` is the
// file named on the command line, if any, for the first run.
std::unique_ptr<TMainForm> startUp(const std::optional<std::string>& sampleArgument = std::nullopt);

}  // namespace ui
