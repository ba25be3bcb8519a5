// Loading the Word report only when --docx asks for it.
#pragma once

#include <ostream>
#include <string>

#include "engine/recorded_view.h"
#include "engine/text_document.h"

namespace cli {

// The report needs the chart and Qt's widgets, which would slow every plain
// run's start, so they live in a module beside the executable, loaded here.
// False, with the reason on `err`, when the module or the report fails.
bool writeReportThroughModule(const engine::RecordedView& view,
                              const engine::TextDocument* solution, const std::string& path,
                              std::ostream& err);

}  // namespace cli
