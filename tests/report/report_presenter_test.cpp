// Report files: new names in a folder, opening, the message when nothing opens them, failures.
#include "report_presenter.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>

#include "automation_error.h"
#include "document_application.h"
#include "report_test_support.h"
#include "word_report.h"

namespace report {
namespace {

struct Desktop {
  QList<QUrl> opened;
  QStringList messages;
  bool opens = true;
};

std::unique_ptr<DocumentApplication> folderApplication(const QString& folder, Desktop& desktop) {
  return std::make_unique<DocumentApplication>(
      openInFolder(
          folder,
          [&desktop](const QUrl& url) {
            desktop.opened << url;
            return desktop.opens;
          },
          [&desktop](const QString& text) { desktop.messages << text; }),
      systemClipboardPicture);
}

QStringList reportFiles(const QString& folder) {
  return QDir(folder).entryList({"*.docx"}, QDir::Files, QDir::Name);
}

TEST(ReportPresenter, OpensTheWrittenReportOrTellsWhereItIs) {
  for (bool opens : {true, false}) {
    SCOPED_TRACE(opens ? "opened" : "nothing opens it");
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    Desktop desktop;
    desktop.opens = opens;
    auto word = folderApplication(folder.path(), desktop);
    test::ClipboardSource source(test::sampleTexts(4, 2), test::chartPicture());
    buildWordReport(*word, source);

    const QStringList files = reportFiles(folder.path());
    ASSERT_EQ(files.size(), 1);
    // Only the finished file is left: no temporary beside it.
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    const QString path = QDir(folder.path()).absoluteFilePath(files[0]);
    ASSERT_EQ(desktop.opened.size(), 1);
    EXPECT_EQ(desktop.opened[0], QUrl::fromLocalFile(path));
    if (opens) {
      EXPECT_TRUE(desktop.messages.isEmpty());
    } else {
      ASSERT_EQ(desktop.messages.size(), 1);
      EXPECT_TRUE(desktop.messages[0].contains(QDir::toNativeSeparators(path)));
    }
    const auto parts = test::unzip(test::readFile(path));
    EXPECT_TRUE(parts.count("word/document.xml"));
    EXPECT_TRUE(parts.count("word/media/image1.png"));
  }
}

TEST(ReportPresenter, TwoReportsGiveTwoFilesAndLeaveTheFirstAlone) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  Desktop desktop;
  auto word = folderApplication(folder.path(), desktop);
  test::ClipboardSource first(test::sampleTexts(4, 1), test::chartPicture());
  buildWordReport(*word, first);
  ASSERT_EQ(reportFiles(folder.path()).size(), 1);
  const QString firstPath = QDir(folder.path()).absoluteFilePath(reportFiles(folder.path())[0]);
  const QByteArray firstBytes = test::readFile(firstPath);

  test::ClipboardSource second(test::sampleTexts(9, 6), test::chartPicture(400, 300));
  buildWordReport(*word, second);

  EXPECT_EQ(reportFiles(folder.path()).size(), 2);
  EXPECT_EQ(desktop.opened.size(), 2);
  EXPECT_NE(desktop.opened[0], desktop.opened[1]);
  EXPECT_EQ(test::readFile(firstPath), firstBytes);
}

TEST(ReportPresenter, UnwritableFolderRaisesTheErrorNamingIt) {
  QTemporaryDir scratch;
  ASSERT_TRUE(scratch.isValid());
  // A folder below a regular file cannot exist, whoever runs the test.
  const QString file = scratch.filePath("file");
  QFile blocker(file);
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  struct Case {
    const char* name;
    QString folder;
  };
  const Case cases[] = {{"missing folder", scratch.filePath("missing")},
                        {"folder below a file", file + "/reports"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Desktop desktop;
    auto word = folderApplication(c.folder, desktop);
    test::ClipboardSource source(test::sampleTexts(4, 1), test::chartPicture());
    try {
      buildWordReport(*word, source);
      ADD_FAILURE() << "no error raised";
    } catch (const AutomationError& error) {
      EXPECT_EQ(error.operation(), "Application.Visible");
      EXPECT_TRUE(error.message().contains(QDir::toNativeSeparators(c.folder)));
    }
    EXPECT_TRUE(desktop.opened.isEmpty());
  }
}

TEST(ReportPresenter, SavingToAFileReplacesItOrFailsWithItsName) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const QString path = folder.filePath("отчёт.docx");
  QFile old(path);
  ASSERT_TRUE(old.open(QIODevice::WriteOnly));
  old.write("old");
  old.close();

  saveReportDocument(test::sampleTexts(3, 1), test::chartPicture(), path);
  EXPECT_TRUE(test::unzip(test::readFile(path)).count("word/document.xml"));

  const QString unwritable = folder.filePath("нет/отчёт.docx");
  try {
    saveReportDocument(test::sampleTexts(3, 1), test::chartPicture(), unwritable);
    ADD_FAILURE() << "no error raised";
  } catch (const AutomationError& error) {
    EXPECT_TRUE(error.message().contains(QDir::toNativeSeparators(unwritable)));
  }
}

}  // namespace
}  // namespace report
