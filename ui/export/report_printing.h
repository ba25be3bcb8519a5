// Файл → Печать…: the window's report on paper, laid out as its PDF is.
#pragma once

#include <QString>

class QPrinter;

namespace ui {

class TMainForm;

// Prints the window's report on `printer` as it is set up (full page, so the report's own
// margins are kept from the paper's edge). A printer with an output file replaces that file
// whole, never the sample or the table, as a saved report does. An empty string, or why it
// could not be printed.
QString printReportOn(TMainForm& window, QPrinter& printer);

// The command: Qt's print dialog on A4 paper, then printReportOn; a failure is a message box.
void printReportCommand(TMainForm& window);

}  // namespace ui
