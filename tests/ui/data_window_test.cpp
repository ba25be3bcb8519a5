// The data window: pasted and opened data as the engine reads them, saving and opening, refusals.
#include "ui/data_window/data_window.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTest>
#include <sstream>

#include "engine/sample_writer.h"
#include "engine/shortest_number.h"
#include "tests/ui/window_fixture.h"
#include "tests/ui/zip_maker.h"
#include "ui/main_window/data_notice.h"
#include "ui/main_window/main_form.h"

namespace ui_test {
namespace {

std::string readAll(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll().toStdString();
}

// The values one a line with a decimal comma, after a header.
QString commaColumn(const std::vector<double>& values, const char* header) {
  QString text = QString::fromUtf8(header) + '\n';
  for (double value : values) {
    std::string number;
    engine::appendShortest(number, static_cast<float>(value));
    text += QString::fromStdString(number).replace('.', ',') + '\n';
  }
  return text;
}

std::vector<float> asFloats(const std::vector<double>& values) {
  return std::vector<float>(values.begin(), values.end());
}

class DataWindowTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    startOnAcceptedSample();
    window_ = &mainForm_->dataWindow();
    ASSERT_TRUE(scratch_.isValid());
  }

  QString scratchFile(const char* name) const { return scratch_.filePath(QString::fromUtf8(name)); }
  // Creates or replaces the scratch file with these bytes; false when they are not all written.
  bool writeScratch(const char* name, const QByteArray& bytes) const {
    QFile file(scratchFile(name));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
  }

  ui::DataWindow* window_ = nullptr;
  QTemporaryDir scratch_;
};

TEST_F(DataWindowTest, IsAWindowOfItsOwnThatLeavesTheMainWindowUsable) {
  mainForm_->showDataWindow();
  EXPECT_TRUE(window_->isVisible());
  EXPECT_TRUE(window_->isWindow());
  EXPECT_EQ(window_->windowModality(), Qt::NonModal);
  EXPECT_EQ(window_->windowTitle(), QString::fromUtf8("Данные"));
  // Empty, it has nothing to report yet.
  EXPECT_TRUE(window_->Summary->toPlainText().isEmpty());
  // Asked for again, the same window comes to the front.
  mainForm_->showDataWindow();
  EXPECT_EQ(&mainForm_->dataWindow(), window_);
}

TEST_F(DataWindowTest, PastedColumnWithDecimalCommasIsSavedAsASampleAndOpened) {
  const std::vector<double> values = rejectedSample();
  window_->Input->setPlainText(commaColumn(values, "Масса, г"));

  const engine::DataRead& read = window_->dataRead();
  EXPECT_EQ(read.values, asFloats(values));
  ASSERT_EQ(read.skipped.size(), 1u);
  EXPECT_EQ(read.skipped[0].line, 1);
  const QString summary = window_->Summary->toPlainText();
  EXPECT_TRUE(summary.contains(QString::fromUtf8("Значений: 100"))) << summary.toStdString();
  EXPECT_TRUE(summary.contains(QString::fromUtf8("строка 1: «Масса, г»"))) << summary.toStdString();
  // Without a length in the data, Sturges' rule proposes one and says how many intervals it gives.
  const std::optional<float> h = window_->intervalLength();
  ASSERT_TRUE(h.has_value());
  EXPECT_TRUE(window_->IntervalCount->text().startsWith(QStringLiteral("k = ")));

  const QString target = scratchFile("pasted.txt");
  ASSERT_TRUE(window_->saveTo(target));
  EXPECT_TRUE(messages_.empty());
  EXPECT_EQ(readAll(target), engine::sampleFileText(*h, asFloats(values)));
  // Opened as a file-mode Apply opens it.
  EXPECT_EQ(QFile::decodeName(mainForm_->state().FileName.c_str()), target);
  EXPECT_EQ(mainForm_->logLines().first(), QString::fromUtf8("Загружено 100 элементов"));
  EXPECT_EQ(mainForm_->state().IntervalLength, *h);
  EXPECT_TRUE(mainForm_->Notice->isHidden());
}

TEST_F(DataWindowTest, TypedLengthIsUsedWithEitherSeparatorAndABadOneIsNamed) {
  window_->Input->setPlainText(QStringLiteral("1 2 3 4 5 6 7 8 9 10"));
  window_->IntervalField->setText(QStringLiteral("2,5"));
  emit window_->IntervalField->textEdited(window_->IntervalField->text());
  EXPECT_EQ(window_->intervalLength(), 2.5f);
  EXPECT_EQ(window_->IntervalCount->text(), QStringLiteral("k = 4"));
  // Edited by hand, h stays when the values change.
  window_->Input->setPlainText(QStringLiteral("1 2 3 4 5 6 7 8 9 10 11"));
  EXPECT_EQ(window_->IntervalField->text(), QStringLiteral("2,5"));

  for (const auto& [typed, message] :
       {std::pair{"abc", "Длина интервала h: «abc» не является правильным числом"},
        std::pair{"-1", "Длина интервала должна быть положительным числом"}}) {
    messages_.clear();
    window_->IntervalField->setText(QString::fromUtf8(typed));
    EXPECT_FALSE(window_->saveTo(scratchFile("bad.txt"))) << typed;
    ASSERT_EQ(messages_.size(), 1u) << typed;
    EXPECT_EQ(messages_[0].text, QString::fromUtf8(message));
  }
  EXPECT_FALSE(QFile::exists(scratchFile("bad.txt")));

  // Sturges' button takes over again.
  QTest::mouseClick(window_->SturgesButton, Qt::LeftButton);
  EXPECT_TRUE(window_->intervalLength().has_value());
}

TEST_F(DataWindowTest, MoreThan200ValuesAreRefusedNeverCut) {
  QString text;
  for (int i = 0; i < 250; ++i) text += QString::number(100 + i % 17) + ' ';
  window_->Input->setPlainText(text);
  EXPECT_FALSE(window_->dataRead().usable);
  const QString target = scratchFile("many.txt");
  EXPECT_FALSE(window_->saveTo(target));
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_TRUE(messages_[0].text.contains(QStringLiteral("250"))) << messages_[0].text.toStdString();
  EXPECT_TRUE(messages_[0].text.contains(QStringLiteral("200"))) << messages_[0].text.toStdString();
  EXPECT_FALSE(QFile::exists(target));
  EXPECT_EQ(mainForm_->state().FileName, "Input.txt");
}

TEST_F(DataWindowTest, EmptyOrGarbageTextGivesNothingToSave) {
  for (const char* text : {"", "abc\nпривет\n;;;"}) {
    messages_.clear();
    window_->Input->setPlainText(QString::fromUtf8(text));
    EXPECT_FALSE(window_->saveTo(scratchFile("nothing.txt"))) << text;
    EXPECT_EQ(messages_.size(), 1u) << text;
  }
  EXPECT_FALSE(QFile::exists(scratchFile("nothing.txt")));
}

TEST_F(DataWindowTest, SaveAndOpenStartsInDocumentsAndACancelSavesNothing) {
  window_->Input->setPlainText(QStringLiteral("1 2 3 4 5 6 7 8"));
  QString suggested;
  window_->setSavePathChooser([&](const QString& path) {
    suggested = path;
    return QString();
  });
  EXPECT_FALSE(window_->saveAndOpen());
  QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (!QDir(documents).exists()) documents = QDir::homePath();
  EXPECT_EQ(suggested, QDir(documents).filePath(QString::fromUtf8("выборка.txt")));
  EXPECT_TRUE(messages_.empty());

  window_->setSavePathChooser([this](const QString&) { return scratchFile("chosen.txt"); });
  QTest::mouseClick(window_->SaveAndOpen, Qt::LeftButton);
  EXPECT_TRUE(QFile::exists(scratchFile("chosen.txt")));
  EXPECT_EQ(QFile::decodeName(mainForm_->state().FileName.c_str()), scratchFile("chosen.txt"));
}

TEST_F(DataWindowTest, GroupedSeriesIsSavedSoThatTheMainWindowShowsItsFrequencies) {
  QTest::mouseClick(window_->GroupedMode, Qt::LeftButton);
  ASSERT_TRUE(window_->GroupedMode->isChecked());
  window_->Input->setPlainText(
      QString::fromUtf8("Масса\tЧастота\n150–154\t0\n154–158\t6\n158-162\t18\n162-166\t40\n"
                        "[166; 170)\t22\n170-174\t10\n174-178\t4\n"));
  const engine::DataRead& read = window_->dataRead();
  ASSERT_TRUE(read.grouped.has_value()) << window_->Summary->toPlainText().toStdString();
  EXPECT_EQ(read.grouped->frequencies, (std::vector<int32_t>{6, 18, 40, 22, 10, 4}));
  EXPECT_EQ(window_->intervalLength(), 4.0f);
  EXPECT_FALSE(window_->IntervalField->isEnabled());
  EXPECT_EQ(window_->IntervalCount->text(), QStringLiteral("k = 6"));
  EXPECT_TRUE(
      window_->Summary->toPlainText().contains(QString::fromUtf8("Интервалов: 6, h = 4, n = 100")))
      << window_->Summary->toPlainText().toStdString();

  ASSERT_TRUE(window_->saveTo(scratchFile("grouped.txt")));
  EXPECT_EQ(readAll(scratchFile("grouped.txt")), engine::groupedSampleFileText(*read.grouped));
  const auto grid = shownGrid(*mainForm_);
  ASSERT_GE(grid.size(), 7u);
  const std::vector<const char*> frequencies = {"6", "18", "40", "22", "10", "4"};
  const std::vector<const char*> midpoints = {"156", "160", "164", "168", "172", "176"};
  for (size_t i = 0; i < frequencies.size(); ++i) {
    EXPECT_EQ(grid[i + 1][2], QString::fromUtf8(frequencies[i])) << i;
    EXPECT_EQ(grid[i + 1][1], QString::fromUtf8(midpoints[i])) << i;
  }
}

TEST_F(DataWindowTest, OpenedCsvOffersItsColumnsAndTakesTheOnePicked) {
  // UTF-16 with a byte order mark and CRLF, as a spreadsheet exports it.
  const QString csv = QString::fromUtf8(
      "№;Масса;Рост\r\n1;50,5;160\r\n2;51,5;171\r\n3;49;165\r\n"
      "4;52;168\r\n");
  ASSERT_TRUE(writeScratch(
      "table.csv",
      "\xFF\xFE" + QByteArray(reinterpret_cast<const char*>(csv.utf16()), csv.size() * 2)));

  window_->openFile(scratchFile("table.csv"));
  EXPECT_TRUE(messages_.empty());
  EXPECT_EQ(window_->windowTitle(), QString::fromUtf8("Данные — table.csv"));
  EXPECT_EQ(window_->dataRead().values, (std::vector<float>{50.5f, 51.5f, 49.0f, 52.0f}));
  ASSERT_EQ(window_->ColumnBox->count(), 3);
  EXPECT_TRUE(window_->ColumnBox->isEnabled());
  EXPECT_EQ(window_->ColumnBox->currentIndex(), 1);
  EXPECT_EQ(window_->ColumnBox->itemText(1), QString::fromUtf8("2 — Масса"));

  window_->ColumnBox->setCurrentIndex(2);
  EXPECT_EQ(window_->dataRead().values, (std::vector<float>{160.0f, 171.0f, 165.0f, 168.0f}));
  EXPECT_EQ(window_->ColumnBox->currentIndex(), 2);
}

TEST_F(DataWindowTest, DecimalChoiceDecidesWhatACommaIs) {
  window_->Input->setPlainText(QStringLiteral("1,5\n4,5\n2,5\n"));
  EXPECT_EQ(window_->dataRead().values, (std::vector<float>{1.5f, 4.5f, 2.5f}));
  window_->DecimalBox->setCurrentIndex(1);  // point: the comma separates two columns
  EXPECT_EQ(window_->dataRead().values, (std::vector<float>{1, 4, 2}));
  EXPECT_EQ(window_->ColumnBox->count(), 2);
  window_->DecimalBox->setCurrentIndex(2);  // comma
  EXPECT_EQ(window_->dataRead().values, (std::vector<float>{1.5f, 4.5f, 2.5f}));
  EXPECT_FALSE(window_->ColumnBox->isEnabled());
}

TEST_F(DataWindowTest, OpenedWorkbookIsReadFromItsCellsUntilTheTextIsEdited) {
  const QByteArray workbook = ods(
      R"(<table:table><table:table-row><table:table-cell office:value-type="string"><text:p>x</text:p></table:table-cell></table:table-row>)"
      R"(<table:table-row><table:table-cell office:value-type="float" office:value="1.25"><text:p>1,3</text:p></table:table-cell></table:table-row>)"
      R"(<table:table-row><table:table-cell office:value-type="float" office:value="2.5"><text:p>2,5</text:p></table:table-cell></table:table-row>)"
      R"(<table:table-row><table:table-cell office:value-type="float" office:value="4"><text:p>4</text:p></table:table-cell></table:table-row>)"
      R"(</table:table>)");
  ASSERT_TRUE(writeScratch("sheet.ods", workbook));

  window_->openFile(scratchFile("sheet.ods"));
  EXPECT_TRUE(messages_.empty());
  EXPECT_EQ(window_->dataRead().values, (std::vector<float>{1.25f, 2.5f, 4.0f}));
  EXPECT_EQ(window_->Input->toPlainText(), QStringLiteral("x\n1.25\n2.5\n4"));
  // The workbook itself is never replaced by the sample.
  EXPECT_FALSE(window_->saveTo(scratchFile("sheet.ods")));
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(readAll(scratchFile("sheet.ods")), workbook.toStdString());

  window_->Input->setPlainText(QStringLiteral("x\n1.25\n2.5\n4\n8"));
  EXPECT_EQ(window_->dataRead().values, (std::vector<float>{1.25f, 2.5f, 4.0f, 8.0f}));
}

TEST_F(DataWindowTest, FirstNumberChoiceTakesItAsTheIntervalLengthOrAsAValue) {
  window_->Input->setPlainText(QStringLiteral("2\n10 11 12 13 14 15"));
  window_->FirstNumberBox->setCurrentIndex(2);  // the interval length
  EXPECT_EQ(window_->dataRead().values, (std::vector<float>{10, 11, 12, 13, 14, 15}));
  EXPECT_EQ(window_->intervalLength(), 2.0f);
  window_->FirstNumberBox->setCurrentIndex(1);  // a value
  EXPECT_EQ(window_->dataRead().values, (std::vector<float>{2, 10, 11, 12, 13, 14, 15}));
}

TEST_F(DataWindowTest, WorkbookOpenedFromTheMainWindowGoesToTheDataWindow) {
  ASSERT_TRUE(writeScratch(
      "dropped.ods",
      ods(R"(<table:table><table:table-row><table:table-cell office:value-type="float" office:value="3"/></table:table-row>)"
          R"(</table:table>)")));
  const QStringList logBefore = mainForm_->logLines();
  mainForm_->openSample(scratchFile("dropped.ods"));
  EXPECT_TRUE(window_->isVisible());
  EXPECT_EQ(window_->dataRead().values, std::vector<float>{3.0f});
  // The analysis is not run on the workbook's bytes.
  EXPECT_EQ(mainForm_->state().FileName, "Input.txt");
  EXPECT_EQ(mainForm_->logLines(), logBefore);
}

TEST_F(DataWindowTest, EveryControlGetsTheRoomItNeedsAtTheScreensScale) {
  mainForm_->showDataWindow();
  const QSize needed = window_->minimumSizeHint();
  EXPECT_LE(needed.width(), window_->width());
  EXPECT_LE(needed.height(), window_->height());
  EXPECT_TRUE(window_->screen()->availableGeometry().contains(window_->geometry()));
}

TEST_F(DataWindowTest, FileThatCannotBeReadIsAMessageAndChangesNothing) {
  window_->Input->setPlainText(QStringLiteral("1 2 3"));
  QDir(scratch_.path()).mkdir(QStringLiteral("folder"));
  for (const char* name : {"missing.txt", "folder"}) {
    messages_.clear();
    window_->openFile(scratchFile(name));
    ASSERT_EQ(messages_.size(), 1u) << name;
    EXPECT_TRUE(messages_[0].text.startsWith(QString::fromUtf8("Не удалось открыть «")));
  }
  EXPECT_EQ(window_->Input->toPlainText(), QStringLiteral("1 2 3"));
}

}  // namespace
}  // namespace ui_test
