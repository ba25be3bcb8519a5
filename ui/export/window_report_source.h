// What the Word report reads from the main window: its grid, its log, its chart and the solution.
#pragma once

#include <QImage>

#include "report/content/report_file.h"

namespace ui {

class TMainForm;

// The grid's cells as the window shows them, the log's lines, the sample's name and, when the
// option "Ход решения в отчёте" is on, the worked solution.
report::ReportTexts windowReportTexts(TMainForm& form);

// Puts the chart rendered for print (not the screen copy) on `privateClipboard`, or on the
// system clipboard when that is null.
void copyChartForReport(TMainForm& form, QImage* privateClipboard);

}  // namespace ui
