// The Word report: chart, grid, log and the worked solution, through the automation layer.
// layer.
#pragma once

#include "report/automation/word_automation.h"
#include "report/content/report_source.h"

namespace report {

// Builds one report in a new document of `word` from what `source` holds now: the chart, the
// grid, the log, and the worked solution after the log when the source gives one.
// A failed call that ends the report raises AutomationError; what was done stays done.
void buildWordReport(WordApplication& word, ReportSource& source);

}  // namespace report
