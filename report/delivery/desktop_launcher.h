// Opening a file with the desktop's application for it, through its launcher program.
#pragma once

#include <QString>
#include <chrono>

namespace report {

// How long the wait for the launcher lasts.
inline constexpr std::chrono::milliseconds kLauncherTimeout{5000};

// Runs xdg-open, or else `gio open`, on `path` and waits for it up to `timeout`, answering
// paint and timer events meanwhile but no user input. A launcher that exits with status 0, or
// is still running when the wait ends (it has started the application and waits for it in the
// foreground, as some do), has opened the file; it is left running. Only a launcher that exits
// with another status or is killed, or none found or started, is a failure. Returns an empty
// string when the file was opened, else why not, in Russian.
QString openWithDesktopLauncher(const QString& path,
                                std::chrono::milliseconds timeout = kLauncherTimeout);

}  // namespace report
