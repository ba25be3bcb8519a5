// The last files opened, the one thing the program remembers from one start to the next.
#pragma once

#include <QString>
#include <QStringList>

namespace ui {

inline constexpr int kRecentFileCount = 5;

// Absolute paths, the most recent first, at most kRecentFileCount.
QStringList recentFiles();

// Puts `path` (made absolute) first, once, and drops what falls off the end.
void rememberRecentFile(const QString& path);

// Takes `path` out of the list, as when it can no longer be opened.
void forgetRecentFile(const QString& path);

// Empties the list.
void clearRecentFiles();

}  // namespace ui
