// Where a finished report document goes: a new file in a folder, opened; or a chosen file.
#pragma once

#include <QString>
#include <functional>

#include "report/automation/document_application.h"
#include "report/content/report_format.h"

namespace report {

// Opens a file with the desktop's application for it: an empty string when an application
// took it, else why not.
using FileOpener = std::function<QString(const QString& path)>;
// Shows the user a message (the window: a message box).
using NotifyUser = std::function<void(const QString&)>;

// Writes a document to `folder` under a new name, then opens it. If nothing opens it, the
// message gives the reason and the file's full path, so the report is not lost. A file that
// cannot be written raises AutomationError naming the folder and the system's reason.
DocumentDelivery openInFolder(const QString& folder, FileOpener opener, NotifyUser message);

// Writes a document to `path` in `format`, replacing what is there. A failure raises
// AutomationError.
DocumentDelivery saveToFile(const QString& path, ReportFormat format = ReportFormat::Docx);

// Puts the whole file of a document in `format` into `bytes`, for a caller that writes it
// itself. A failure raises AutomationError.
DocumentDelivery keepInMemory(QByteArray& bytes, ReportFormat format = ReportFormat::Docx);

// Gives the name of the sample file a report is about (for the document's title).
using SampleFileName = std::function<QString()>;

// The window's backend: documents go to the temporary folder ($TMPDIR) and open with the
// desktop's launcher; the chart comes from the system clipboard.
std::unique_ptr<WordApplication> makeDesktopWordApplication(NotifyUser message,
                                                            SampleFileName sampleFile = {});

}  // namespace report
