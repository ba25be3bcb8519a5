// A short message in the main window about what a command did: copied, saved, printed.
#pragma once

#include <QString>

namespace ui {

class TMainForm;

// Shows `text` over the foot of the chart for a few seconds; a newer message replaces it.
void showFeedback(TMainForm& window, const QString& text);

// The message shown now; empty when none is.
QString shownFeedback(const TMainForm& window);

}  // namespace ui
