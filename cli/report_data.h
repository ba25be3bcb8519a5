// The texts and points of a finished analysis, as the Word report module takes them.
#pragma once

#include "cli/report_export.h"
#include "engine/recorded_view.h"

namespace cli {

// The view's log, grid and chart points; the sample's name comes from the log's
// "Обрабатываю файл - " line, as the window's title takes it.
ReportData reportData(const engine::RecordedView& view);

}  // namespace cli
