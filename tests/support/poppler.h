// Running poppler's PDF tools (poppler-utils) on a written file.
#pragma once

#include <QString>
#include <QStringList>

namespace test_support {

// What the tool prints; a missing tool, or one that fails, fails the test that asked.
QString poppler(const char* tool, const QStringList& arguments);

}  // namespace test_support
