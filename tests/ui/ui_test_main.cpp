// Runs the window tests inside one QApplication on the offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // No installed table or example is found unless a test installs its own.
  QTemporaryDir noInstalledData;
  qputenv("XDG_DATA_DIRS", QFile::encodeName(noInstalledData.path()));
  qputenv("XDG_DATA_HOME", QFile::encodeName(noInstalledData.path()));
  // The recent files the tests open are remembered here, never in the user's settings.
  QTemporaryDir settings;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
  QApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
