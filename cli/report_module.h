// Loading the Word report only when --docx asks for it.
#pragma once

#include <ostream>
#include <string>

#include "engine/recorded_view.h"

namespace cli {

// The report needs the chart and Qt's widgets, which would slow every plain
// run's start, so they live in a module beside the executable, loaded here.
// Puts the whole .docx file into `document`; false, with the reason on `err`, when the module
// or the report fails.
bool buildReportThroughModule(const engine::RecordedView& view, std::string& document,
                              std::ostream& err);

}  // namespace cli
