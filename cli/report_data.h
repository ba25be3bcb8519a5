// The texts, points and solution of a finished analysis, as the report module takes them.
#pragma once

#include "cli/report_export.h"
#include "engine/recorded_view.h"

namespace cli {

// The view's log, grid and chart points, and a copy of `solution` when it is not
// null; the sample's name comes from the log's "Обрабатываю файл - " line, as
// the window's title takes it.
ReportData reportData(const engine::RecordedView& view,
                      const engine::TextDocument* solution = nullptr);

}  // namespace cli
