// The options dialog: its two modes, its errors, Cancel, closing, keys.
#include "ui/options/opt_form.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "engine/process_file.h"
#include "tests/ui/window_fixture.h"
#include "ui/start_up.h"

namespace ui_test {
namespace {

class OptionsDialog : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    startOnAcceptedSample();
    dialog_ = ui::OptForm;
    ASSERT_NE(dialog_, nullptr);
  }

  engine::AnalysisState& state() { return mainForm_->state(); }
  void click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

  ui::TOptForm* dialog_ = nullptr;
};

TEST_F(OptionsDialog, ApplyRightAfterStartUpKeepsTheLoadedValuesTheFieldsShowRounded) {
  const float loadedMaximum = state().Xmax;
  ASSERT_EQ(dialog_->XminOpt->text(), QStringLiteral("12.30"));
  click(dialog_->OkBut);
  EXPECT_TRUE(messages_.empty());
  EXPECT_EQ(state().Xmin, 12.345f);
  EXPECT_EQ(state().Xmax, loadedMaximum);
  EXPECT_EQ(state().IntervalLength, 1.0f);
  // Numbers mode runs on the sample in memory: no load line.
  ASSERT_FALSE(mainForm_->logLines().isEmpty());
  EXPECT_EQ(mainForm_->logLines().first(), QString::fromUtf8("Обрабатываю файл - Input.txt"));
  EXPECT_TRUE(
      mainForm_->logLines().contains(QString::fromUtf8("Минимальный элемент равен 12.345")));
}

TEST_F(OptionsDialog, ChangingOnlyTheIntervalLeavesTheRangeAsLoaded) {
  const float loadedMinimum = state().Xmin;
  const float loadedMaximum = state().Xmax;
  dialog_->LIopt->setText(QStringLiteral("0.5"));
  click(dialog_->OkBut);
  EXPECT_TRUE(messages_.empty());
  EXPECT_EQ(state().IntervalLength, 0.5f);
  EXPECT_EQ(state().Xmin, loadedMinimum);
  EXPECT_EQ(state().Xmax, loadedMaximum);
  // The same run as the engine gives on the loaded range with the new length.
  engine::RecordedView reference;
  engine::AnalysisState expected = state();
  engine::ProcessFile(expected, reference, '.');
  EXPECT_EQ(mainForm_->logLines(), recordedLog(reference));

  // A second Apply with nothing edited keeps all three as they now stand.
  click(dialog_->OkBut);
  EXPECT_EQ(state().IntervalLength, 0.5f);
  EXPECT_EQ(state().Xmin, loadedMinimum);
}

TEST_F(OptionsDialog, AFieldEditedBackToTheTextFirstShownIsReadAgain) {
  dialog_->LIopt->setText(QStringLiteral("2"));
  click(dialog_->OkBut);
  ASSERT_EQ(state().IntervalLength, 2.0f);
  // "1.00" no longer stands for the stored h, which is now 2.
  dialog_->LIopt->setText(QStringLiteral("1.00"));
  click(dialog_->OkBut);
  EXPECT_EQ(state().IntervalLength, 1.0f);
  // An edited range field is converted as typed: 3 digits are then all there is.
  dialog_->XminOpt->setText(QStringLiteral("12.3"));
  click(dialog_->OkBut);
  EXPECT_EQ(state().Xmin, 12.3f);
}

TEST_F(OptionsDialog, PointAndCommaAreBothDecimalSeparators) {
  for (const auto& [typed, value] : {std::pair{"2.5", 2.5f}, std::pair{"0,5", 0.5f}}) {
    dialog_->LIopt->setText(QString::fromUtf8(typed));
    click(dialog_->OkBut);
    EXPECT_TRUE(messages_.empty()) << typed;
    EXPECT_EQ(state().IntervalLength, value) << typed;
  }
}

TEST_F(OptionsDialog, NewFileNameLoadsTheFileAndOverwritesTypedNumbers) {
  writeSample("other.txt", 2.0, binnedSample(-3.0, 2.0, {3, 9, 20, 9, 3}));
  dialog_->NameF->setText("other.txt");
  dialog_->LIopt->setText("7");
  dialog_->XminOpt->setText("abc");
  click(dialog_->OkBut);

  EXPECT_TRUE(messages_.empty());
  EXPECT_EQ(state().FileName, "other.txt");
  EXPECT_FALSE(state().FileChanged);
  EXPECT_EQ(dialog_->LIopt->text(), QStringLiteral("2.00"));
  EXPECT_EQ(dialog_->XminOpt->text(), QStringLiteral("-3.00"));
  EXPECT_EQ(dialog_->XmaxOpt->text(), QStringLiteral("5.20"));
  EXPECT_EQ(mainForm_->logLines().first(), QString::fromUtf8("Загружено 44 элементов"));

  // The second Apply runs in numbers mode on the values the first wrote back.
  click(dialog_->OkBut);
  EXPECT_EQ(mainForm_->logLines().first(), QString::fromUtf8("Обрабатываю файл - other.txt"));
}

TEST_F(OptionsDialog, UnreadableFileKeepsTheNumbersAndEndsInNumbersMode) {
  dialog_->NameF->setText("missing.txt");
  click(dialog_->OkBut);
  EXPECT_EQ(mainForm_->logLines(), QStringList{QString::fromUtf8("Не смог открыть входной файл")});
  EXPECT_EQ(dialog_->XminOpt->text(), QStringLiteral("12.30"));
  EXPECT_FALSE(state().FileChanged);
}

struct FieldErrorCase {
  const char* name;
  const char* message;  // the whole text of the message box
  const char* interval;
  const char* minimum;
  const char* maximum;
  float storedInterval;
  float storedMinimum;
  const char* rejectedText;
};

void PrintTo(const FieldErrorCase& param, std::ostream* out) { *out << param.name; }

class FieldError : public OptionsDialog, public ::testing::WithParamInterface<FieldErrorCase> {};

TEST_P(FieldError, StopsAtTheBadFieldKeepingTheOnesBeforeAndDoesNotRun) {
  const FieldErrorCase& param = GetParam();
  dialog_->show();
  const QStringList logBefore = mainForm_->logLines();
  const float maximumBefore = state().Xmax;
  dialog_->LIopt->setText(QString::fromUtf8(param.interval));
  dialog_->XminOpt->setText(QString::fromUtf8(param.minimum));
  dialog_->XmaxOpt->setText(QString::fromUtf8(param.maximum));

  click(dialog_->OkBut);

  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0].kind, ui::MessageKind::Error);
  EXPECT_TRUE(messages_[0].text.contains(QString::fromUtf8(param.rejectedText)))
      << messages_[0].text.toStdString();
  EXPECT_EQ(messages_[0].text, QString::fromUtf8(param.message));
  EXPECT_EQ(state().IntervalLength, param.storedInterval);
  EXPECT_EQ(state().Xmin, param.storedMinimum);
  EXPECT_EQ(state().Xmax, maximumBefore);
  EXPECT_EQ(mainForm_->logLines(), logBefore);
  EXPECT_TRUE(dialog_->isVisible());
  EXPECT_EQ(dialog_->XmaxOpt->text(), QString::fromUtf8(param.maximum));
}

INSTANTIATE_TEST_SUITE_P(
    Fields, FieldError,
    ::testing::Values(
        FieldErrorCase{"Interval", "Размер интервала: «abc» не является правильным числом", "abc",
                       "11", "30", 1.0f, 12.345f, "abc"},
        FieldErrorCase{"EmptyInterval", "Размер интервала: «» не является правильным числом", "",
                       "11", "30", 1.0f, 12.345f, "«»"},
        FieldErrorCase{"Minimum", "Xmin: «abc» не является правильным числом", "2", "abc", "30",
                       2.0f, 12.345f, "abc"},
        FieldErrorCase{"Maximum", "Xmax: «abc» не является правильным числом", "2", "11", "abc",
                       2.0f, 11.0f, "abc"},
        FieldErrorCase{"GroupedDigits", "Xmax: «1,000.5» не является правильным числом", "2", "11",
                       "1,000.5", 2.0f, 11.0f, "1,000.5"},
        FieldErrorCase{"BeyondFloat", "Xmax: Число «1e300» вне допустимого диапазона", "2", "11",
                       "1e300", 2.0f, 11.0f, "1e300"},
        FieldErrorCase{"Infinity", "Xmax: «inf» не является правильным числом", "2", "11", "inf",
                       2.0f, 11.0f, "inf"}),
    [](const ::testing::TestParamInfo<FieldErrorCase>& info) { return info.param.name; });

TEST_F(OptionsDialog, CancelLeavesNumbersModeAndHidesWithoutRestoringFields) {
  dialog_->show();
  dialog_->NameF->setText("typed.txt");
  ASSERT_TRUE(state().FileChanged);
  click(dialog_->CanBut);
  EXPECT_FALSE(dialog_->isVisible());
  EXPECT_FALSE(state().FileChanged);
  EXPECT_EQ(dialog_->NameF->text(), QStringLiteral("typed.txt"));

  // Shown again, Apply ignores the name shown and stays on the file in use.
  mainForm_->OptionClick();
  click(dialog_->OkBut);
  EXPECT_EQ(state().FileName, "Input.txt");
}

TEST_F(OptionsDialog, ClosingThroughTheTitleBarHidesButKeepsAPendingFileChange) {
  dialog_->show();
  dialog_->NameF->setText("Input.txt ");
  dialog_->NameF->setText("Input.txt");
  dialog_->close();
  EXPECT_FALSE(dialog_->isVisible());
  EXPECT_TRUE(state().FileChanged);
}

TEST_F(OptionsDialog, EnterAndEscapePressNeitherButton) {
  mainForm_->show();
  dialog_->show();
  QApplication::setActiveWindow(dialog_);
  dialog_->LIopt->setFocus();
  dialog_->LIopt->setText("3");
  QTest::keyClick(dialog_->LIopt, Qt::Key_Return);
  QTest::keyClick(dialog_->LIopt, Qt::Key_Enter);
  QTest::keyClick(dialog_->LIopt, Qt::Key_Escape);
  EXPECT_EQ(state().IntervalLength, 1.0f);
  EXPECT_TRUE(dialog_->isVisible());
}

TEST_F(OptionsDialog, TwoClicksOnSettingsShowOneDialog) {
  mainForm_->show();
  QTest::mouseClick(mainForm_->Option, Qt::LeftButton);
  QTest::mouseClick(mainForm_->Option, Qt::LeftButton);
  int shownDialogs = 0;
  for (QWidget* window : QApplication::topLevelWidgets())
    if (qobject_cast<ui::TOptForm*>(window) != nullptr && window->isVisible()) ++shownDialogs;
  EXPECT_EQ(shownDialogs, 1);
  EXPECT_TRUE(dialog_->isVisible());
}

TEST_F(OptionsDialog, ExitEndsTheEventLoopAlsoWhileTheDialogIsOpen) {
  mainForm_->show();
  dialog_->show();
  bool timedOut = false;
  QTimer guard;
  guard.setSingleShot(true);
  QObject::connect(&guard, &QTimer::timeout, [&timedOut] {
    timedOut = true;
    QApplication::quit();
  });
  guard.start(5000);
  QTimer::singleShot(0, mainForm_.get(),
                     [this] { QTest::mouseClick(mainForm_->ExitBut, Qt::LeftButton); });
  QApplication::exec();
  guard.stop();
  EXPECT_FALSE(timedOut);
  EXPECT_FALSE(mainForm_->isVisible());
  EXPECT_FALSE(dialog_->isVisible());
}

}  // namespace
}  // namespace ui_test
