// Файл → Сохранить отчёт…: the window's report written where the user chooses, .docx or PDF.
#pragma once

#include <QString>

#include "report/model/document_model.h"

namespace ui {

class TMainForm;

// The window's report as the chart menu's "создать документ Word" builds it (the same steps,
// texts, picture and title), the chart's picture taken aside so the clipboard stays as it was.
report::DocumentModel windowReport(TMainForm& window);

// Writes the window's report to `path`, as PDF for a ".pdf" name, else as .docx; never over the
// sample or the table. Says in the window that it was saved, or in a message box why not. True
// when it was written.
bool saveReportTo(TMainForm& window, const QString& path);

// The command: the save dialog, then saveReportTo.
void saveReportCommand(TMainForm& window);

}  // namespace ui
