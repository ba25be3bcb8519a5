// Loading the report module only when --docx, --pdf or --chart asks for it.
#pragma once

#include <ostream>
#include <string>

#include "cli/report_export.h"
#include "engine/document/text_document.h"
#include "engine/recorded_view.h"

namespace cli {

// The report needs the chart and Qt's widgets, which would slow every plain
// run's start, so they live in a module beside the executable, loaded here.
// Puts the whole file `kind` asks for into `document`, the report with the worked solution
// after the log when `solution` is not null; false, with the reason on `err`, when the module
// or the building fails.
bool buildReportThroughModule(const engine::RecordedView& view, ExportKind kind,
                              const engine::TextDocument* solution, std::string& document,
                              std::ostream& err);

}  // namespace cli
