// Where a finished report document goes: a new file in a folder, opened; or a chosen file.
#pragma once

#include <QString>
#include <QUrl>
#include <functional>

#include "document_application.h"

namespace report {

// Opens a file with the desktop's application for it; false when nothing took it.
using FileOpener = std::function<bool(const QUrl&)>;
// Shows the user a message (the window: a message box).
using MessageSink = std::function<void(const QString&)>;

// Writes a document to `folder` under a new name, then opens it. If nothing opens it, the
// message gives the file's full path so the report is not lost. A file that cannot be written
// raises AutomationError naming the folder.
DocumentPresenter openInFolder(const QString& folder, FileOpener opener, MessageSink message);

// Writes a document to `path`, replacing what is there. A failure raises AutomationError.
DocumentPresenter saveToFile(const QString& path);

// Writes the .docx bytes to a new file in `folder` and returns its full path; the file appears
// under its final name only complete. Throws AutomationError.
QString writeNewReportFile(const QByteArray& docx, const QString& folder);

// The message shown when no application opened the report at `path`.
QString reportNotOpenedMessage(const QString& path);

// The window's backend: documents go to the temporary folder and open with the desktop's
// default application (QDesktopServices); the chart comes from the system clipboard.
std::unique_ptr<WordApplication> makeDesktopWordApplication(MessageSink message);

}  // namespace report
