// A fixture that starts the windows in a scratch directory and records message boxes.
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QTemporaryDir>
#include <memory>
#include <string>
#include <vector>

#include "engine/recorded_view.h"
#include "ui/main_window/main_form.h"
#include "ui/message_sink.h"

namespace ui_test {

struct ShownMessage {
  ui::MessageKind kind;
  QString text;
  bool mainFormVisible;  // whether the main window was on screen when it came
};

// Values 0.05 apart inside each interval of length h, counts per interval as
// given, starting at `minimum`; the largest sits well inside the last interval.
std::vector<double> binnedSample(double minimum, double h, const std::vector<int>& counts);

// A bell-shaped sample of 100 values that the test accepts; its minimum is 12.345.
std::vector<double> acceptedSample();
// Two clumps far apart: the test rejects normality.
std::vector<double> rejectedSample();

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  void writeFile(const QString& name, const std::string& content) const;
  // The chi-square table with the 0.05 points in column 3.
  void writeTable() const;
  void writeSample(const QString& name, double h, const std::vector<double>& values) const;

  // Start-up as the program does it; the windows stay hidden.
  ui::TMainForm& start();
  // The table and an accepted Input.txt written, then start().
  ui::TMainForm& startOnAcceptedSample();
  // The same analysis by the engine alone, for comparison with the window.
  engine::RecordedView referenceRun() const;

  std::unique_ptr<ui::TMainForm> mainForm_;
  std::vector<ShownMessage> messages_;

 private:
  QTemporaryDir dir_;
  QString previousDir_;
  ui::MessageBoxSink previousSink_;
};

// The same, on an accepted sample, with the main window shown and active: for tests that type at
// it or open windows beside it.
class ShownWindowTest : public WindowTest {
 protected:
  void SetUp() override;
};

// The grid as the widget shows it: header texts, then each row's item texts.
std::vector<std::vector<QString>> shownGrid(const ui::TMainForm& form);
std::vector<std::vector<QString>> recordedGrid(const engine::RecordedView& view);
QStringList recordedLog(const engine::RecordedView& view);

}  // namespace ui_test
