// Loading the report module only when --docx, --pdf or --chart asks for it.
#pragma once

#include <ostream>
#include <string>

#include "cli/report_export.h"
#include "engine/recorded_view.h"

namespace cli {

// The report needs the chart and Qt's widgets, which would slow every plain
// run's start, so they live in a module beside the executable, loaded here.
// False, with the reason on `err`, when the module or the writing fails.
bool writeReportThroughModule(const engine::RecordedView& view, ExportKind kind,
                              const std::string& path, std::ostream& err);

}  // namespace cli
