// Where the window finds its table and its first sample, and a file dropped on it.
#include <QApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>
#include <fstream>
#include <locale>
#include <optional>
#include <sstream>

#include "engine/critical_points.h"
#include "engine/number_format.h"
#include "engine/process_file.h"
#include "platform/decimal_separator.h"
#include "tests/ui/window_fixture.h"
#include "ui/options/opt_form.h"
#include "ui/start_up.h"

namespace ui_test {
namespace {

const QString kNotLoaded = QString::fromUtf8("Не смог загрузить таблицу крит точек");
const QString kBadFormat = QString::fromUtf8("Не правильный формат таблицы");
const QString kProcessing = QString::fromUtf8("Обрабатываю файл - ");

void writeText(const QString& path, const std::string& content) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  std::ofstream(QFile::encodeName(path).toStdString(), std::ios::binary) << content;
}

std::string sampleText(double h, const std::vector<double>& values) {
  std::ostringstream text;
  text.imbue(std::locale::classic());
  text << h << '\n';
  for (double value : values) text << value << ' ';
  return text.str() + "\n";
}

// Every critical point in column 3 is `point`.
std::string flatTable(const char* point) {
  std::string text;
  for (int row = 1; row <= 30; ++row)
    text += std::to_string(row) + " 0.1 0.2 " + point + " 0.6 0.7 0.8\n";
  return text;
}

// The window's tests with an installed data folder of their own (XDG_DATA_DIRS).
class Opening : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    ASSERT_TRUE(installed_.isValid());
    previousDirs_ = qgetenv("XDG_DATA_DIRS");
    previousHome_ = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_DIRS", QFile::encodeName(installed_.path()));
    qputenv("XDG_DATA_HOME", QFile::encodeName(installed_.filePath("no-home")));
  }
  void TearDown() override {
    WindowTest::TearDown();
    qputenv("XDG_DATA_DIRS", previousDirs_);
    qputenv("XDG_DATA_HOME", previousHome_);
  }

  QString installedFile(const char* name) const {
    return installed_.filePath(QStringLiteral("tarnek/") + QString::fromUtf8(name));
  }
  ui::TMainForm& startWith(const std::optional<std::string>& argument) {
    mainForm_ = ui::startUp(argument);
    return *mainForm_;
  }

 private:
  QTemporaryDir installed_;
  QByteArray previousDirs_;
  QByteArray previousHome_;
};

// The engine's run on `file` with the table the window should have loaded.
QStringList referenceLog(const std::string& table, const std::string& file) {
  engine::RecordedView view;
  engine::AnalysisState state;
  engine::loadCriticalPoints(table, state.CriticalPoints, view);
  state.FileName = file;
  engine::ProcessFile(state, view, platform::localeDecimalSeparator());
  return recordedLog(view);
}

struct TableCase {
  const char* name;
  const char* here;       // exttable.txt in the working directory; nullptr for none
  const char* installed;  // the installed table; nullptr for none
  float point;            // the critical point for 4 degrees of freedom
  std::vector<QString> messages;
};

void PrintTo(const TableCase& param, std::ostream* out) { *out << param.name; }

class TableLookup : public Opening, public ::testing::WithParamInterface<TableCase> {};

TEST_P(TableLookup, WorkingDirectoryComesFirstAndTheMessageOnlyWhenNeitherHasOne) {
  const TableCase& param = GetParam();
  if (param.here) writeText(QStringLiteral("exttable.txt"), param.here);
  if (param.installed) writeText(installedFile("exttable.txt"), param.installed);
  ui::TMainForm& form = startWith(std::nullopt);

  std::vector<QString> shown;
  for (const ShownMessage& message : messages_) shown.push_back(message.text);
  EXPECT_EQ(shown, param.messages);
  EXPECT_EQ(form.state().CriticalPoints.at(4, 3), param.point);
}

const std::string kTable7 = flatTable("7.5");
const std::string kTable9 = flatTable("9.25");

INSTANTIATE_TEST_SUITE_P(
    Places, TableLookup,
    ::testing::Values(
        TableCase{"BothPlaces", kTable7.c_str(), kTable9.c_str(), 7.5f, {}},
        TableCase{"OnlyInstalled", nullptr, kTable9.c_str(), 9.25f, {}},
        TableCase{"OnlyHere", kTable7.c_str(), nullptr, 7.5f, {}},
        TableCase{
            "MalformedHere", "1 1 2 3 4 5 6\n3 1 2 3 4 5 6\n", kTable9.c_str(), 0.0f, {kBadFormat}},
        TableCase{"Neither", nullptr, nullptr, 0.0f, {kNotLoaded}}),
    [](const auto& info) { return std::string(info.param.name); });

enum class Expected { Argument, InputHere, Example };

struct SampleCase {
  const char* name;
  bool inputHere;
  bool exampleInstalled;
  std::optional<std::string> argument;
  Expected opened;
};

void PrintTo(const SampleCase& param, std::ostream* out) { *out << param.name; }

class FirstSample : public Opening, public ::testing::WithParamInterface<SampleCase> {};

TEST_P(FirstSample, FirstRunReadsTheArgumentElseInputHereElseTheInstalledExample) {
  const SampleCase& param = GetParam();
  writeTable();
  // Three samples of different sizes, so the log tells which one was read.
  if (param.inputHere) writeSample("Input.txt", 1.0, acceptedSample());
  if (param.exampleInstalled)
    writeText(installedFile("Input.txt"), sampleText(1.0, binnedSample(5.0, 1.0, {3, 9, 9, 3})));
  writeText(QStringLiteral("samples/own.txt"), sampleText(2.0, rejectedSample()));

  ui::TMainForm& form = startWith(param.argument);

  std::string expected = "Input.txt";
  if (param.opened == Expected::Argument) expected = *param.argument;
  if (param.opened == Expected::Example)
    expected = QFile::encodeName(installedFile("Input.txt")).toStdString();
  EXPECT_EQ(form.state().FileName, expected);
  EXPECT_EQ(ui::OptForm->NameF->text().toStdString(), expected);
  EXPECT_FALSE(form.state().FileChanged);
  EXPECT_EQ(form.logLines(), referenceLog("exttable.txt", expected));
  if (param.opened == Expected::Example) {  // the log names the example's full path
    EXPECT_TRUE(form.logLines().contains(kProcessing + installedFile("Input.txt")));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Choices, FirstSample,
    ::testing::Values(
        SampleCase{"ArgumentOverBoth", true, true, "samples/own.txt", Expected::Argument},
        SampleCase{"MissingArgumentIsNotReplaced", true, true, "gone.txt", Expected::Argument},
        SampleCase{"InputHereOverExample", true, true, std::nullopt, Expected::InputHere},
        SampleCase{"ExampleWhenNoInputHere", false, true, std::nullopt, Expected::Example},
        SampleCase{"NeitherInputNorExample", false, false, std::nullopt, Expected::InputHere}),
    [](const auto& info) { return std::string(info.param.name); });

// Sends a drag onto the window and, when it is accepted, the drop; returns whether it was.
bool dropOn(ui::TMainForm& form, const QList<QUrl>& urls, const QString& text = {}) {
  QMimeData data;
  if (!urls.isEmpty()) data.setUrls(urls);
  if (!text.isEmpty()) data.setText(text);
  const QPoint centre = form.rect().center();
  QDragEnterEvent enter(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&form, &enter);
  if (!enter.isAccepted()) return false;
  QDropEvent drop(QPointF(centre), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&form, &drop);
  return drop.isAccepted();
}

TEST_F(Opening, DroppedFileIsAppliedAsTheDialogsFileModeApplyAndRefillsItsFields) {
  writeTable();
  writeSample("Input.txt", 1.0, acceptedSample());
  ui::TMainForm& form = startWith(std::nullopt);
  ASSERT_TRUE(form.acceptDrops());
  const QString dropped = QDir::current().absoluteFilePath(QStringLiteral("samples/other.txt"));
  writeText(dropped, sampleText(0.5, binnedSample(10.0, 0.5, {4, 10, 20, 10, 4})));
  // Typed but not applied: a file-mode Apply overwrites it.
  ui::OptForm->LIopt->setText(QStringLiteral("7"));

  ASSERT_TRUE(dropOn(form, {QUrl::fromLocalFile(dropped)}));

  const std::string path = QFile::encodeName(dropped).toStdString();
  EXPECT_EQ(form.state().FileName, path);
  EXPECT_FALSE(form.state().FileChanged);
  EXPECT_EQ(form.logLines(), referenceLog("exttable.txt", path));
  EXPECT_EQ(ui::OptForm->NameF->text(), dropped);
  EXPECT_EQ(form.state().IntervalLength, 0.5f);
  EXPECT_EQ(form.state().Xmin, 10.0f);
  EXPECT_EQ(ui::OptForm->LIopt->text(), QStringLiteral("0.50"));
  EXPECT_EQ(ui::OptForm->XminOpt->text(), QStringLiteral("10.00"));
  EXPECT_EQ(ui::OptForm->XmaxOpt->text().toStdString(),
            engine::formatFixed(form.state().Xmax, 3, 2, '.'));

  // The same file again, changed on disk: its name is unchanged, yet it is read anew.
  writeText(dropped, sampleText(2.0, acceptedSample()));
  ASSERT_TRUE(dropOn(form, {QUrl::fromLocalFile(dropped)}));
  EXPECT_EQ(ui::OptForm->LIopt->text(), QStringLiteral("2.00"));
  EXPECT_EQ(form.logLines(), referenceLog("exttable.txt", path));
}

TEST_F(Opening, DropsWithoutALocalFileAreRefusedAndChangeNothing) {
  writeTable();
  writeSample("Input.txt", 1.0, acceptedSample());
  ui::TMainForm& form = startWith(std::nullopt);
  const QStringList log = form.logLines();

  EXPECT_FALSE(dropOn(form, {}, QStringLiteral("12 13 14")));
  EXPECT_FALSE(dropOn(form, {QUrl(QStringLiteral("https://example.org/Input.txt"))}));
  EXPECT_FALSE(dropOn(form, {QUrl::fromLocalFile(QDir::currentPath())}));  // a folder

  EXPECT_EQ(form.state().FileName, "Input.txt");
  EXPECT_EQ(ui::OptForm->NameF->text(), QStringLiteral("Input.txt"));
  EXPECT_EQ(form.logLines(), log);
}

}  // namespace
}  // namespace ui_test
