// Workbooks that LibreOffice itself writes from a CSV read back to the values the CSV holds.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>
#include <vector>

#include "engine/data_reader.h"
#include "tests/ui/window_fixture.h"
#include "ui/data_window/data_window.h"
#include "ui/data_window/file_bytes.h"
#include "ui/data_window/spreadsheet_file.h"

namespace ui_test {
namespace {

// An index, the masses with a text row among them on sheet row 9, and a blank row 12.
const char* const kCsv =
    "Номер,Масса\n"
    "1,167.2\n2,170.5\n3,-3.25\n4,158.75\n5,0.0625\n6,181\n7,1000.5\n"
    "нет данных,нет\n"
    "9,165.3\n10,172.125\n\n"
    "12,159.9\n";
const std::vector<float> kMasses = {167.2f, 170.5f,  -3.25f, 158.75f,  0.0625f,
                                    181.0f, 1000.5f, 165.3f, 172.125f, 159.9f};

class LibreOfficeWorkbook : public WindowTest, public ::testing::WithParamInterface<const char*> {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    ASSERT_TRUE(folder_.isValid());
    QFile csv(folder_.filePath("masses.csv"));
    ASSERT_TRUE(csv.open(QIODevice::WriteOnly));
    csv.write(kCsv);
  }

  // masses.<format> as LibreOffice converts the CSV: "," between fields, '"' around texts,
  // UTF-8, from line 1, numbers read in the English (US) way.
  QString converted(const QString& format) {
    const QString output = folder_.filePath("masses." + format);
    const QString office = QStandardPaths::findExecutable("soffice");
    EXPECT_FALSE(office.isEmpty()) << "LibreOffice Calc (libreoffice-calc-nogui) is required";
    QTemporaryDir profile;
    QProcess process;
    process.start(office,
                  {"-env:UserInstallation=" + QUrl::fromLocalFile(profile.path()).toString(),
                   "--headless", "--infilter=CSV:44,34,76,1,,1033", "--convert-to", format,
                   "--outdir", folder_.path(), folder_.filePath("masses.csv")});
    EXPECT_TRUE(process.waitForFinished(180000)) << process.errorString().toStdString();
    // LibreOffice exits 0 even when it wrote nothing: the file is the verdict.
    EXPECT_TRUE(QFile::exists(output)) << process.readAllStandardError().toStdString();
    return output;
  }

  QTemporaryDir folder_;
};

TEST_P(LibreOfficeWorkbook, ReadsBackToTheCsvsCellsAtTheirRowsAndItsValues) {
  const QString path = converted(QString::fromUtf8(GetParam()));
  QString error;
  const std::optional<QByteArray> bytes = ui::readDataFile(path, &error);
  ASSERT_TRUE(bytes.has_value()) << error.toStdString();
  ASSERT_TRUE(ui::looksLikeWorkbook(*bytes));
  const ui::SheetRead sheet = ui::readFirstSheet(*bytes);
  ASSERT_TRUE(sheet.error.isEmpty()) << sheet.error.toStdString();
  ASSERT_EQ(sheet.rows.size(), 13u);
  EXPECT_EQ(sheet.rows[0], (std::vector<std::string>{"Номер", "Масса"}));
  EXPECT_EQ(sheet.rows[1], (std::vector<std::string>{"1", "167.2"}));
  EXPECT_EQ(sheet.rows[8], (std::vector<std::string>{"нет данных", "нет"}));
  EXPECT_TRUE(sheet.rows[11].empty());

  const engine::DataRead read = engine::readData(sheet.rows, engine::DataReadOptions{});
  EXPECT_EQ(read.values, kMasses);
  EXPECT_EQ(read.chosenColumn, 2);

  // The data window reads it the same way, lists the text row by its number, and saves it.
  writeTable();
  writeSample("Input.txt", 1.0, acceptedSample());
  start();
  ui::DataWindow& window = mainForm_->dataWindow();
  window.openFile(path);
  EXPECT_TRUE(messages_.empty());
  EXPECT_EQ(window.dataRead().values, kMasses);
  bool rowNine = false;
  for (const engine::SkippedLine& skipped : window.dataRead().skipped)
    rowNine = rowNine || skipped.line == 9;
  EXPECT_TRUE(rowNine);

  window.IntervalField->setText(QStringLiteral("100"));
  const QString target =
      QDir(folder_.path()).filePath("from-" + QString::fromUtf8(GetParam()) + ".txt");
  ASSERT_TRUE(window.saveTo(target));
  EXPECT_EQ(mainForm_->logLines().first(), QString::fromUtf8("Загружено 10 элементов"));
}

INSTANTIATE_TEST_SUITE_P(Formats, LibreOfficeWorkbook, ::testing::Values("xlsx", "ods"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                           return std::string(info.param);
                         });

}  // namespace
}  // namespace ui_test
