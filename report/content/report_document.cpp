// The report built in memory: the automation steps with a backend that only keeps the document.
#include "report/content/report_document.h"

#include "report/content/word_report.h"

namespace report {

DocumentModel buildReportDocument(ReportSource& source, ClipboardPicture clipboard,
                                  const DocumentProperties& properties) {
  DocumentModel result;
  DocumentApplication word([&result](const DocumentModel& document) { result = document; },
                           std::move(clipboard), [&properties] { return properties; });
  buildWordReport(word, source);
  return result;
}

}  // namespace report
