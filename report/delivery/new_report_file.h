// A new report file in a folder: written whole under a temporary name, then given its own.
#pragma once

#include <QByteArray>
#include <QString>

namespace report {

// The folder for reports that are opened, not kept: $TMPDIR if set (made absolute), else /tmp.
// Not checked here; writeNewReportFile says what is wrong with it.
QString reportTempFolder();

// The operation a failed write names: the writing of the document into `folder`.
QString writeOperation(const QString& folder);

// Writes `docx` to a new file in `folder`, named after the current time, never replacing a file,
// and returns its full path. A folder that is missing, not a folder or not writable, and every
// failed system call, raise AutomationError naming the folder, with the system's reason.
// Nothing is left behind on failure.
QString writeNewReportFile(const QByteArray& docx, const QString& folder);

}  // namespace report
