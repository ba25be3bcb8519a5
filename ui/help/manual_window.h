// Справка → Руководство (F1): the manual shipped inside the program, in a window of its own.
#pragma once

class QTextBrowser;

namespace ui {

class TMainForm;

// Where the manual is: the program's resources, so it is there wherever the program is.
inline constexpr const char* kManualUrl = "qrc:/manual/manual.html";

// Shows the manual in a QTextBrowser beside the main window (made the first time, then brought
// to the front) and returns it; it goes with the main window.
QTextBrowser* showManual(TMainForm& window);

}  // namespace ui
