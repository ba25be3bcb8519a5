// The window fixture: scratch files, a recording message sink, reference runs.
#include "tests/ui/window_fixture.h"

#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QTest>
#include <sstream>

#include "engine/critical_points.h"
#include "engine/process_file.h"
#include "platform/decimal_separator.h"
#include "ui/main_window/recent_files.h"
#include "ui/results/result_grid.h"
#include "ui/start_up.h"

namespace ui_test {

std::vector<double> binnedSample(double minimum, double h, const std::vector<int>& counts) {
  std::vector<double> values;
  for (size_t interval = 0; interval < counts.size(); ++interval)
    for (int j = 0; j < counts[interval]; ++j)
      values.push_back(minimum + h * static_cast<double>(interval) + 0.05 * (j % 8) * h);
  return values;
}

std::vector<double> acceptedSample() {
  return binnedSample(12.345, 1.0, {2, 5, 10, 17, 22, 18, 12, 8, 4, 2});
}

std::vector<double> rejectedSample() {
  return binnedSample(10.0, 1.0, {30, 20, 0, 0, 0, 0, 20, 30});
}

void WindowTest::SetUp() {
  ASSERT_TRUE(dir_.isValid());
  // Each test starts with no remembered files, whatever ran before it.
  ui::clearRecentFiles();
  previousDir_ = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(dir_.path()));
  previousSink_ = ui::setMessageBoxSink([this](ui::MessageKind kind, const QString& text) {
    const bool visible = ui::MainForm != nullptr && ui::MainForm->isVisible();
    messages_.push_back(ShownMessage{kind, text, visible});
  });
}

void WindowTest::TearDown() {
  mainForm_.reset();
  ui::setMessageBoxSink(previousSink_);
  QDir::setCurrent(previousDir_);
}

void ShownWindowTest::SetUp() {
  WindowTest::SetUp();
  startOnAcceptedSample();
  mainForm_->show();
  mainForm_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(mainForm_.get()));
}

void WindowTest::writeFile(const QString& name, const std::string& content) const {
  QFile file(QDir(dir_.path()).filePath(name));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(content.data(), static_cast<qint64>(content.size()));
}

void WindowTest::writeTable() const {
  QFile shipped(QStringLiteral(TARNEK_DATA_DIR "/exttable.txt"));
  ASSERT_TRUE(shipped.open(QIODevice::ReadOnly)) << "the shipped table";
  writeFile(QStringLiteral("exttable.txt"), shipped.readAll().toStdString());
}

void WindowTest::writeSample(const QString& name, double h,
                             const std::vector<double>& values) const {
  std::ostringstream out;
  out.precision(9);
  out << h << '\n';
  for (double value : values) out << value << ' ';
  out << '\n';
  writeFile(name, out.str());
}

ui::TMainForm& WindowTest::start() {
  mainForm_ = ui::startUp();
  return *mainForm_;
}

ui::TMainForm& WindowTest::startOnAcceptedSample() {
  writeTable();
  writeSample("Input.txt", 1.0, acceptedSample());
  return start();
}

engine::RecordedView WindowTest::referenceRun() const {
  engine::RecordedView view;
  engine::AnalysisState state;
  engine::loadCriticalPoints("exttable.txt", state.CriticalPoints, view);
  engine::ProcessFile(state, view, platform::localeDecimalSeparator());
  return view;
}

std::vector<std::vector<QString>> shownGrid(const ui::TMainForm& form) {
  const QAbstractItemModel& grid = *form.StringGrid->model();
  std::vector<std::vector<QString>> rows;
  std::vector<QString> header;
  for (int column = 0; column < grid.columnCount(); ++column)
    header.push_back(grid.headerData(column, Qt::Horizontal).toString());
  rows.push_back(header);
  for (int row = 0; row < grid.rowCount(); ++row) {
    std::vector<QString> cells;
    for (int column = 0; column < grid.columnCount(); ++column)
      cells.push_back(grid.data(grid.index(row, column)).toString());
    rows.push_back(cells);
  }
  return rows;
}

std::vector<std::vector<QString>> recordedGrid(const engine::RecordedView& view) {
  std::vector<std::vector<QString>> rows;
  for (const auto& recorded : view.gridRows()) {
    std::vector<QString> cells;
    for (const std::string& text : recorded) cells.push_back(QString::fromStdString(text));
    rows.push_back(cells);
  }
  return rows;
}

QStringList recordedLog(const engine::RecordedView& view) {
  QStringList lines;
  for (const std::string& line : view.log()) lines.append(QString::fromStdString(line));
  return lines;
}

}  // namespace ui_test
