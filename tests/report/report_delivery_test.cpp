// Report files: new names in a folder, opening, the message when nothing opens them, failures.
#include "report/delivery/report_delivery.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <csignal>
#include <cstring>

#include "report/automation/automation_error.h"
#include "report/automation/document_application.h"
#include "report/content/word_report.h"
#include "report/delivery/desktop_launcher.h"
#include "report/delivery/new_report_file.h"
#include "tests/report/report_test_support.h"

namespace report {
namespace {

struct Desktop {
  QStringList opened;
  QStringList messages;
  bool opens = true;
};

std::unique_ptr<DocumentApplication> folderApplication(const QString& folder, Desktop& desktop) {
  return std::make_unique<DocumentApplication>(
      openInFolder(
          folder,
          [&desktop](const QString& path) {
            desktop.opened << path;
            return desktop.opens ? QString() : QStringLiteral("xdg-open завершилась с кодом 3");
          },
          [&desktop](const QString& text) { desktop.messages << text; }),
      systemClipboardPicture);
}

QStringList reportFiles(const QString& folder) {
  return QDir(folder).entryList({"*.docx"}, QDir::Files, QDir::Name);
}

TEST(ReportDelivery, OpensTheWrittenReportOrTellsWhereItIs) {
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
    EXPECT_EQ(desktop.opened[0], path);
    if (opens) {
      EXPECT_TRUE(desktop.messages.isEmpty());
    } else {
      ASSERT_EQ(desktop.messages.size(), 1);
      EXPECT_TRUE(desktop.messages[0].contains(QDir::toNativeSeparators(path)));
      EXPECT_TRUE(desktop.messages[0].contains("кодом 3"));
    }
    const auto parts = test::unzip(test::readFile(path));
    EXPECT_TRUE(parts.count("word/document.xml"));
    EXPECT_TRUE(parts.count("word/media/image1.png"));
  }
}

TEST(ReportDelivery, TwoReportsGiveTwoFilesAndLeaveTheFirstAlone) {
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

TEST(ReportDelivery, UnwritableFolderRaisesTheErrorNamingIt) {
  QTemporaryDir scratch;
  ASSERT_TRUE(scratch.isValid());
  // A folder below a regular file cannot exist, whoever runs the test.
  const QString file = scratch.filePath("file");
  ASSERT_TRUE(test::writeFile(file, ""));
  struct Case {
    const char* name;
    QString folder;
    int error;
  };
  const Case cases[] = {{"missing folder", scratch.filePath("missing"), ENOENT},
                        {"folder below a file", file + "/reports", ENOTDIR},
                        {"a file, not a folder", file, ENOTDIR},
                        {"relative folder", "reports", ENOENT}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Desktop desktop;
    auto word = folderApplication(c.folder, desktop);
    test::ClipboardSource source(test::sampleTexts(4, 1), test::chartPicture());
    try {
      buildWordReport(*word, source);
      ADD_FAILURE() << "no error raised";
    } catch (const AutomationError& error) {
      // The write of the document is named, with the folder and the system's reason.
      EXPECT_EQ(error.operation(), writeOperation(c.folder));
      EXPECT_TRUE(error.operation().contains(QDir::toNativeSeparators(c.folder)));
      EXPECT_EQ(error.result(), QString::fromLocal8Bit(std::strerror(c.error)));
    }
    EXPECT_TRUE(desktop.opened.isEmpty());
  }
  // Nothing went to the working directory instead.
  EXPECT_TRUE(reportFiles(QDir::currentPath()).isEmpty());
}

TEST(ReportDelivery, SavingToAFileReplacesItOrFailsWithItsName) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const QString path = folder.filePath("отчёт.docx");
  ASSERT_TRUE(test::writeFile(path, "old"));

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

// Lowers the largest file this process may write, so a write fails with a system error
// (EFBIG) the way a full disk fails with ENOSPC.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, previousHandler_);
  }

 private:
  rlimit saved_{};
  void (*previousHandler_)(int) = nullptr;
};

TEST(ReportDelivery, AFailedWriteSaysTheSystemsReasonAndIsNotWrittenAgain) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  Desktop desktop;
  auto word = folderApplication(folder.path(), desktop);
  {
    FileSizeLimit limit(1000);
    test::ClipboardSource first(test::sampleTexts(4, 1), test::chartPicture());
    try {
      buildWordReport(*word, first);
      ADD_FAILURE() << "no error raised";
    } catch (const AutomationError& error) {
      EXPECT_EQ(error.result(), QString::fromLocal8Bit(std::strerror(EFBIG)));
      EXPECT_FALSE(error.message().contains("Unknown error"));
      EXPECT_EQ(error.operation(), writeOperation(folder.path()));
    }
  }
  // Neither the temporary file nor a part of the report is left behind.
  EXPECT_TRUE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());

  test::ClipboardSource second(test::sampleTexts(9, 3), test::chartPicture());
  buildWordReport(*word, second);
  // Only the second report is written and opened: the failed one was dropped.
  ASSERT_EQ(reportFiles(folder.path()).size(), 1);
  ASSERT_EQ(desktop.opened.size(), 1);
  const auto parts = test::unzip(test::readFile(desktop.opened[0]));
  EXPECT_EQ(QString::fromUtf8(parts.at("word/document.xml")).count("<w:tr>"), 9);
}

TEST(ReportDelivery, TheTempFolderIsTmpdirMadeAbsoluteOrTmp) {
  const QByteArray saved = qgetenv("TMPDIR");
  struct Case {
    const char* tmpdir;
    QString folder;
  };
  const Case cases[] = {{"", "/tmp"},
                        {"/var/reports/", "/var/reports"},
                        {"relative", QDir::current().absoluteFilePath("relative")}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.tmpdir);
    qputenv("TMPDIR", c.tmpdir);
    EXPECT_EQ(reportTempFolder(), c.folder);
  }
  qputenv("TMPDIR", saved);
}

// The wait the launcher tests allow: short, so a launcher that keeps running costs little.
constexpr std::chrono::milliseconds kShortWait{700};

// A launcher on PATH that does what a real one does in each case.
class FakeLauncher : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(bin_.isValid());
    savedPath_ = qgetenv("PATH");
    // Only the launchers written here are found; the scripts name their tools in full.
    qputenv("PATH", bin_.path().toLocal8Bit());
  }
  void TearDown() override {
    qputenv("PATH", savedPath_);
    // The launchers left running are this test's own: each wrote its process id.
    for (const QString& name : QDir(bin_.path()).entryList({"running.*"}, QDir::Files)) {
      const pid_t pid = test::readFile(bin_.filePath(name)).trimmed().toInt();
      if (pid > 0) ::kill(pid, SIGKILL);
    }
  }

  // A launcher that stays in the foreground for 30 s, as one that waits for the application.
  QByteArray keepsRunning() const {
    return "echo $$ > " + bin_.filePath("running.").toLocal8Bit() + "$$; exec /bin/sleep 30";
  }

  void install(const QString& name, const QByteArray& body) {
    const QString path = bin_.filePath(name);
    ASSERT_TRUE(test::writeFile(path, "#!/bin/sh\n" + body + "\n"));
    QFile::setPermissions(path,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  }

  QString argumentsFile() const { return bin_.filePath("arguments"); }

  QTemporaryDir bin_;
  QByteArray savedPath_;
};

TEST_F(FakeLauncher, OpenedWhenTheLauncherExitsZeroOrIsStillRunning) {
  struct Case {
    const char* name;
    const char* launcher;  // empty: none installed
    QByteArray body;
    bool opened;
    const char* reasonPart;
  };
  const Case cases[] = {
      {"exits 0", "xdg-open", "echo \"$@\" > " + argumentsFile().toLocal8Bit() + "; exit 0", true,
       ""},
      {"exits 4", "xdg-open", "echo 'no method available' >&2; exit 4", false, "кодом 4"},
      // An application kept in the foreground: the launcher outlives the wait.
      {"keeps running", "xdg-open", keepsRunning(), true, ""},
      {"killed", "xdg-open", "kill -9 $$", false, "аварийно"},
      {"gio only", "gio", "echo \"$@\" > " + argumentsFile().toLocal8Bit(), true, ""},
      {"no launcher", "", "", false, "xdg-open или gio"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QFile::remove(bin_.filePath("xdg-open"));
    QFile::remove(bin_.filePath("gio"));
    QFile::remove(argumentsFile());
    if (*c.launcher) install(c.launcher, c.body);
    const QString path = bin_.filePath("Отчёт 1.docx");
    QElapsedTimer clock;
    clock.start();
    const QString reason = openWithDesktopLauncher(path, kShortWait);
    EXPECT_EQ(reason.isEmpty(), c.opened) << reason.toStdString();
    EXPECT_TRUE(reason.contains(QString::fromUtf8(c.reasonPart))) << reason.toStdString();
    // The wait ends with the launcher or with the time allowed, never later.
    EXPECT_LT(clock.elapsed(), 5000);
    if (c.opened && QByteArray(c.name) != "keeps running") {
      const QString expected = QString(c.launcher) == "gio" ? "open " + path : path;
      EXPECT_EQ(QString::fromUtf8(test::readFile(argumentsFile())).trimmed(), expected);
    }
  }
  // The launcher's error line reaches the reason.
  install("xdg-open", "echo 'no method available' >&2; exit 4");
  EXPECT_TRUE(openWithDesktopLauncher("x.docx", kShortWait).contains("no method available"));
}

TEST_F(FakeLauncher, OnlyALauncherThatFailsOrIsMissingGivesTheMessage) {
  struct Case {
    const char* name;
    QByteArray body;  // empty: no launcher at all
    bool message;
  };
  const Case cases[] = {
      {"exit 0", "exit 0", false},
      {"exit 3", "exit 3", true},
      {"keeps running 30 s", keepsRunning(), false},
      {"none", "", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QFile::remove(bin_.filePath("xdg-open"));
    if (!c.body.isEmpty()) install("xdg-open", c.body);
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QStringList messages;
    DocumentApplication word(
        openInFolder(
            folder.path(),
            [](const QString& path) { return openWithDesktopLauncher(path, kShortWait); },
            [&messages](const QString& text) { messages << text; }),
        systemClipboardPicture);
    test::ClipboardSource source(test::sampleTexts(4, 1), test::chartPicture());
    buildWordReport(word, source);
    const QStringList files = reportFiles(folder.path());
    ASSERT_EQ(files.size(), 1);
    ASSERT_EQ(messages.size(), c.message ? 1 : 0);
    if (c.message) {
      const QString path = QDir(folder.path()).absoluteFilePath(files[0]);
      EXPECT_TRUE(messages[0].contains(QDir::toNativeSeparators(path)))
          << messages[0].toStdString();
    }
  }
}

TEST_F(FakeLauncher, AReportNobodyOpensIsShownWithItsFullPath) {
  install("xdg-open", "exit 3");
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  QStringList messages;
  DocumentApplication word(
      openInFolder(
          folder.path(), [](const QString& path) { return openWithDesktopLauncher(path); },
          [&messages](const QString& text) { messages << text; }),
      systemClipboardPicture);
  test::ClipboardSource source(test::sampleTexts(4, 1), test::chartPicture());
  buildWordReport(word, source);
  ASSERT_EQ(reportFiles(folder.path()).size(), 1);
  ASSERT_EQ(messages.size(), 1);
  const QString path = QDir(folder.path()).absoluteFilePath(reportFiles(folder.path())[0]);
  EXPECT_TRUE(messages[0].contains(QDir::toNativeSeparators(path)));
}

}  // namespace
}  // namespace report
