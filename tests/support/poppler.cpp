// Running poppler's PDF tools (poppler-utils) on a written file.
#include "tests/support/poppler.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QStandardPaths>

namespace test_support {

QString poppler(const char* tool, const QStringList& arguments) {
  const QString program = QStandardPaths::findExecutable(QLatin1String(tool));
  EXPECT_FALSE(program.isEmpty()) << tool << " (poppler-utils) is required";
  QProcess process;
  process.start(program, arguments);
  EXPECT_TRUE(process.waitForFinished(60000)) << tool;
  EXPECT_EQ(process.exitCode(), 0) << tool << ": " << process.readAllStandardError().toStdString();
  return QString::fromUtf8(process.readAllStandardOutput());
}

}  // namespace test_support
