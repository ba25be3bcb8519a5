// Opening a file with the desktop's application for it, through its launcher program.
#pragma once

#include <QString>
#include <chrono>

namespace report {

// How long the launcher may take to hand the file over.
inline constexpr std::chrono::milliseconds kLauncherTimeout{5000};

// Runs xdg-open, or else `gio open`, on `path` and waits for it, answering paint and timer
// events meanwhile but no user input. The file counts as opened only when the launcher exits
// with status 0 within `timeout`; a launcher still running then is stopped. Returns an empty
// string when it opened the file, else why not, in Russian.
QString openWithDesktopLauncher(const QString& path,
                                std::chrono::milliseconds timeout = kLauncherTimeout);

}  // namespace report
