// The report built in memory, for a caller that writes or prints it itself.
#pragma once

#include "report/automation/document_application.h"
#include "report/content/report_source.h"
#include "report/model/document_model.h"

namespace report {

// The report of what `source` holds now, built by the same automation steps as the chart menu's
// report (buildWordReport), with `properties`; `clipboard` is where the picture the source
// copies is taken from. Throws AutomationError.
DocumentModel buildReportDocument(ReportSource& source, ClipboardPicture clipboard,
                                  const DocumentProperties& properties);

}  // namespace report
