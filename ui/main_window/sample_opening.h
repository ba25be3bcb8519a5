// Opening a sample from the main window: the file dialog of "Открыть…" and a dropped file.
#pragma once

#include <QString>

class QMimeData;

namespace ui {

class TMainForm;

// Lets the window take file drops.
void setupOpening(TMainForm& window);

// Qt's own file dialog (so it speaks the program's language), starting beside
// the sample in use, or in the home folder while that is the installed example.
// Returns the chosen path, or an empty string when the user cancels.
QString chooseSampleFile(TMainForm& window);

// The first local file among dropped URLs; empty when there is none.
QString droppedFile(const QMimeData* data);

}  // namespace ui
