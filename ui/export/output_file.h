// Files the window writes at the user's choice: the dialog, the inputs it refuses, the writing.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class QWidget;

namespace ui {

class TMainForm;

// One kind of file a save dialog offers: its filter text and its suffix (".docx").
struct OutputKind {
  QString filter;
  QString suffix;
};

// Qt's own save dialog (so it speaks the program's language and asks before replacing a file),
// starting at `stem` plus the first kind's suffix beside the sample in use, or in the home folder
// while that is the installed example. A name without one of the kinds' suffixes gets the suffix
// of the filter chosen. Returns the path, or an empty string when the user cancels.
QString chooseOutputFile(TMainForm& window, const QString& title, const QString& stem,
                         const std::vector<OutputKind>& kinds);

// Why `path` must not be written: it is the sample the window analyses or the critical-point
// table it read, by whatever name or link; an empty string when it may.
QString refusedOutput(TMainForm& window, const QString& path);

// Replaces `path` whole with `bytes` (never half-written, nothing left behind on failure);
// an empty string, or the system's reason.
QString writeOutputFile(const QString& path, const QByteArray& bytes);

// Writes the file `build` makes to `path` unless the path is refused, which is checked before
// anything is built, so an input is never even opened for writing. On success shows
// `savedMessage` (%1 the full path) in the window's result area; when the path is refused,
// `build` throws or the writing fails, a message box says why. True when written.
bool saveOutput(TMainForm& window, const QString& path, const std::function<QByteArray()>& build,
                const char* savedMessage);

}  // namespace ui
