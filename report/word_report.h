// The Word report: chart picture, grid table and log lines, built through the automation layer.
#pragma once

#include "report/report_source.h"
#include "report/word_automation.h"

namespace report {

// Builds one report in a new document of `word` from what `source` holds now.
// A failed call that ends the report raises AutomationError; what was done stays done.
void buildWordReport(WordApplication& word, ReportSource& source);

}  // namespace report
