// Creating the program's two windows in their start-up order.
#pragma once

#include <memory>

#include "main_form.h"

namespace ui {

// Creates MainForm (which loads the table and runs the analysis once), then
// OptForm filled from the state that run left. Both stay hidden; the options
// dialog belongs to the main window and goes with it.
std::unique_ptr<TMainForm> startUp();

}  // namespace ui
