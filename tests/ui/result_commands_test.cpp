// The commands on the results: the report saved and printed, the chart exported, the copies,
// the messages they give, the manual and the about box.
#include <sys/stat.h>

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPrinter>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>
#include <QXmlStreamReader>

#include "chart/analysis_chart.h"
#include "tests/ui/window_fixture.h"
#include "ui/export/chart_saving.h"
#include "ui/export/report_printing.h"
#include "ui/export/report_saving.h"
#include "ui/help/about_text.h"
#include "ui/help/manual_window.h"
#include "ui/main_window/main_menu.h"
#include "ui/results/result_grid.h"
#include "ui/results/result_line.h"

namespace ui_test {
namespace {

QByteArray readAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int pdfPageCount(const QByteArray& pdf) {
  return static_cast<int>(
      QString::fromLatin1(pdf).count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

class ResultCommands : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    startOnAcceptedSample();
  }
  ui::ResultCommands& commands() { return mainForm_->Menu->results; }
  QString scratch(const char* name) const { return QDir::current().absoluteFilePath(name); }
  QString feedback() const { return mainForm_->Result->notice(); }
};

TEST_F(ResultCommands, SavedReportIsWrittenInTheFormatItsNameSaysAndTheWindowSaysWhere) {
  const std::pair<const char*, QByteArray> cases[] = {
      {"report.docx", "PK\x03\x04"},
      {"report.PDF", "%PDF-"},
      {"report", "PK\x03\x04"},  // no suffix: a Word document, as the dialog's first filter
  };
  QApplication::clipboard()->setText(QStringLiteral("the user's own"));
  for (const auto& [name, start] : cases) {
    SCOPED_TRACE(name);
    ASSERT_TRUE(ui::saveReportTo(*mainForm_, scratch(name)));
    EXPECT_TRUE(readAll(scratch(name)).startsWith(start));
    EXPECT_EQ(feedback(), QString::fromUtf8("Отчёт сохранён: %1").arg(scratch(name)));
  }
  EXPECT_TRUE(messages_.empty());
  // The report took its picture aside: what the user had copied is still there.
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("the user's own"));
  EXPECT_EQ(pdfPageCount(readAll(scratch("report.PDF"))), 1);
}

TEST_F(ResultCommands, NeitherTheSampleNorTheTableIsEverWrittenOver) {
  const QByteArray sample = readAll(scratch("Input.txt"));
  const QByteArray table = readAll(scratch("exttable.txt"));
  ASSERT_TRUE(QFile::link(scratch("Input.txt"), scratch("sample-link.pdf")));
  ASSERT_TRUE(QDir().mkdir(scratch("sub")));
  struct Case {
    const char* path;
    const char* said;
  };
  const Case cases[] = {{"Input.txt", "файл выборки"},
                        {"sample-link.pdf", "файл выборки"},
                        {"sub/../exttable.txt", "таблица критических точек"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    messages_.clear();
    for (const bool chart : {false, true}) {
      const QString path = scratch(c.path);
      EXPECT_FALSE(chart ? ui::exportChartTo(*mainForm_, path)
                         : ui::saveReportTo(*mainForm_, path));
      ASSERT_EQ(messages_.size(), chart ? 2u : 1u);
      EXPECT_TRUE(messages_.back().text.contains(QString::fromUtf8(c.said)))
          << messages_.back().text.toStdString();
    }
  }
  EXPECT_EQ(readAll(scratch("Input.txt")), sample);
  EXPECT_EQ(readAll(scratch("exttable.txt")), table);
  EXPECT_TRUE(QFileInfo(scratch("sample-link.pdf")).isSymLink());
  EXPECT_EQ(feedback(), QString());
}

TEST_F(ResultCommands, AFolderThatCannotTakeTheFileIsSaidWithTheReason) {
  ASSERT_TRUE(QDir().mkdir(scratch("report.pdf")));
  EXPECT_FALSE(ui::saveReportTo(*mainForm_, scratch("report.pdf")));
  EXPECT_FALSE(ui::exportChartTo(*mainForm_, scratch("missing/chart.svg")));
  ASSERT_EQ(messages_.size(), 2u);
  EXPECT_TRUE(messages_[0].text.startsWith(QString::fromUtf8("Не удалось сохранить «")))
      << messages_[0].text.toStdString();
  EXPECT_TRUE(messages_[1].text.contains(QStringLiteral("No such file or directory")))
      << messages_[1].text.toStdString();
  EXPECT_EQ(feedback(), QString());
  EXPECT_TRUE(QFileInfo(scratch("report.pdf")).isDir());
}

TEST_F(ResultCommands, ChartExportsAsDrawnInEachFormat) {
  ASSERT_TRUE(ui::exportChartTo(*mainForm_, scratch("chart.png")));
  EXPECT_EQ(feedback(), QString::fromUtf8("График сохранён: %1").arg(scratch("chart.png")));
  const QImage png = QImage::fromData(readAll(scratch("chart.png")), "PNG");
  EXPECT_EQ(png.size(), mainForm_->Chart->size() * 2);

  ASSERT_TRUE(ui::exportChartTo(*mainForm_, scratch("chart.svg")));
  QXmlStreamReader svg(readAll(scratch("chart.svg")));
  int histogram = 0;
  int curve = 0;
  int curvePoints = 0;
  QStringList texts;
  // Qt writes a group around each path and sets its stroke and fill there.
  QString stroke;
  QString fill;
  while (!svg.atEnd()) {
    if (svg.readNext() != QXmlStreamReader::StartElement) continue;
    const QXmlStreamAttributes attributes = svg.attributes();
    if (svg.name() == QStringLiteral("g")) {
      stroke = attributes.value(QStringLiteral("stroke")).toString();
      fill = attributes.value(QStringLiteral("fill")).toString();
    }
    if (svg.name() == QStringLiteral("text")) texts << svg.readElementText().trimmed();
    if (svg.name() != QStringLiteral("path")) continue;
    const QString d = attributes.value(QStringLiteral("d")).toString();
    if (fill.startsWith(QStringLiteral("url(#fillpattern")) && stroke == QStringLiteral("#000000"))
      ++histogram;
    if (stroke == QStringLiteral("#400040")) {
      ++curve;
      curvePoints = static_cast<int>(d.count(QLatin1Char('L')) + 1);
    }
  }
  EXPECT_FALSE(svg.hasError()) << svg.errorString().toStdString();
  EXPECT_EQ(histogram, 1);  // the hatched stairs, one path
  EXPECT_EQ(curve, 1);      // the curve, one path through all its points
  EXPECT_EQ(curvePoints, mainForm_->Chart->pointCount(engine::kCurveSeries));
  EXPECT_TRUE(texts.contains(QString::fromUtf8("Группированный статистический ряд")));

  ASSERT_TRUE(ui::exportChartTo(*mainForm_, scratch("chart.pdf")));
  const QByteArray pdf = readAll(scratch("chart.pdf"));
  EXPECT_TRUE(pdf.startsWith("%PDF-"));
  EXPECT_EQ(pdfPageCount(pdf), 1);
  EXPECT_FALSE(pdf.contains("/Subtype /Image"));
  EXPECT_TRUE(messages_.empty());
}

TEST_F(ResultCommands, PrintingGoesToAPdfPrinterAsTheReportsPdfDoes) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(scratch("printed.pdf"));
  EXPECT_EQ(ui::printReportOn(*mainForm_, printer), QString());
  const QByteArray pdf = readAll(scratch("printed.pdf"));
  EXPECT_TRUE(pdf.startsWith("%PDF-"));
  EXPECT_EQ(pdfPageCount(pdf), 1);
  EXPECT_EQ(printer.docName(), QString::fromUtf8("Отчёт: Input.txt"));

  QPrinter nowhere(QPrinter::HighResolution);
  nowhere.setOutputFormat(QPrinter::PdfFormat);
  nowhere.setOutputFileName(scratch("missing/printed.pdf"));
  EXPECT_TRUE(ui::printReportOn(*mainForm_, nowhere).contains(QStringLiteral("No such file")));
  EXPECT_FALSE(QFileInfo::exists(scratch("missing")));
}

TEST_F(ResultCommands, PrintingToAFileReplacesItWholeAndNeverAnInputOrAPipe) {
  const QByteArray sample = readAll(scratch("Input.txt"));
  ASSERT_EQ(mkfifo(QFile::encodeName(scratch("pipe.pdf")).constData(), 0600), 0);
  QFile old(scratch("old.pdf"));
  ASSERT_TRUE(old.open(QIODevice::WriteOnly));
  old.write("the file before");
  old.close();
  ASSERT_TRUE(old.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner));
  struct Case {
    const char* name;
    bool printed;
    const char* said;  // in the reason, when it is not
  };
  const Case cases[] = {
      {"old.pdf", true, ""}, {"Input.txt", false, "файл выборки"}, {"pipe.pdf", false, "pipe.pdf"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(scratch(c.name));
    const QString failure = ui::printReportOn(*mainForm_, printer);
    EXPECT_EQ(failure.isEmpty(), c.printed) << failure.toStdString();
    EXPECT_TRUE(failure.contains(QString::fromUtf8(c.said))) << failure.toStdString();
    EXPECT_EQ(printer.outputFileName(), scratch(c.name));  // the user's choice stays
  }
  const QByteArray printed = readAll(scratch("old.pdf"));
  EXPECT_TRUE(printed.startsWith("%PDF-"));
  EXPECT_TRUE(printed.trimmed().endsWith("%%EOF"));
  EXPECT_EQ(pdfPageCount(printed), 1);
  struct stat status {};
  ASSERT_EQ(stat(QFile::encodeName(scratch("old.pdf")).constData(), &status), 0);
  EXPECT_EQ(status.st_mode & 0777, 0600u);  // the replaced file's permissions
  EXPECT_EQ(readAll(scratch("Input.txt")), sample);
  EXPECT_EQ(QFileInfo(scratch("pipe.pdf")).isFile(), false);
  // Nothing of the printing is left beside the file.
  EXPECT_EQ(QDir::current().entryList({QStringLiteral("*.pdf*")}, QDir::AllEntries | QDir::System),
            (QStringList{QStringLiteral("old.pdf"), QStringLiteral("pipe.pdf")}));
}

TEST_F(ResultCommands, CopiesSaySoInTheWindow) {
  mainForm_->show();
  commands().copyChart->trigger();
  EXPECT_EQ(feedback(), QString::fromUtf8("Рисунок скопирован в буфер обмена"));
  EXPECT_FALSE(QApplication::clipboard()->image().isNull());
  mainForm_->N1->trigger();  // the chart's own menu
  EXPECT_EQ(feedback(), QString::fromUtf8("Рисунок скопирован в буфер обмена"));

  commands().copyTable->trigger();
  EXPECT_EQ(feedback(), QString::fromUtf8("Таблица скопирована в буфер обмена"));
  EXPECT_TRUE(QApplication::clipboard()->text().startsWith(QStringLiteral("1\t2\t3\t")));

  QApplication::clipboard()->clear();
  mainForm_->N1->trigger();
  QTest::keyClick(mainForm_->StringGrid, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(feedback(), QString::fromUtf8("Таблица скопирована в буфер обмена"));
  EXPECT_TRUE(QApplication::clipboard()->text().startsWith(QStringLiteral("1\t2\t3\t")));
  EXPECT_TRUE(messages_.empty());
}

TEST_F(ResultCommands, ManualOpensOnceWithEveryPartItsContentsName) {
  commands().manual->trigger();
  QTextBrowser* browser = mainForm_->findChild<QTextBrowser*>();
  ASSERT_NE(browser, nullptr);
  EXPECT_TRUE(browser->isVisible());
  EXPECT_EQ(browser, ui::showManual(*mainForm_));  // a second F1 brings the same one up
  const QString html = browser->toHtml();
  const QString plain = browser->toPlainText();
  for (const char* part : {"Файл выборки", "Окно данных", "Столбцы таблицы", "Клавиши", "Ctrl+S",
                           "Ctrl+P", "F1", "принята", "доверительные интервалы"})
    EXPECT_TRUE(plain.contains(QString::fromUtf8(part), Qt::CaseInsensitive)) << part;
  // Every link of the contents leads to a part of the page.
  QFile source(QStringLiteral(":/manual/manual.html"));
  ASSERT_TRUE(source.open(QIODevice::ReadOnly));
  const QString text = QString::fromUtf8(source.readAll());
  const QRegularExpression link(QStringLiteral("href=\"#([a-z]+)\""));
  int links = 0;
  for (auto match = link.globalMatch(text); match.hasNext(); ++links) {
    const QString anchor = match.next().captured(1);
    EXPECT_TRUE(text.contains(QStringLiteral("id=\"%1\"").arg(anchor))) << anchor.toStdString();
  }
  EXPECT_GE(links, 8);
}

TEST_F(ResultCommands, AboutNamesVersionLicenceAndLibraries) {
  mainForm_->Menu->aboutItem->trigger();
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0].text, ui::aboutText());
  for (const QString& part :
       {QStringLiteral("Tarnek " TARNEK_VERSION), QStringLiteral("General Public License"),
        QStringLiteral("Qt ") + QString::fromLatin1(qVersion()), QStringLiteral("libzip ")})
    EXPECT_TRUE(messages_[0].text.contains(part)) << part.toStdString();
}

}  // namespace
}  // namespace ui_test
