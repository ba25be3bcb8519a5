// The window's saved report and chart read back by other programs: poppler's PDF tools, and the
// .docx taken apart against the one the chart's menu writes.
#include <zip.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QRegularExpression>
#include <map>

#include "report/automation/document_application.h"
#include "report/delivery/report_delivery.h"
#include "tests/support/poppler.h"
#include "tests/ui/window_fixture.h"
#include "ui/export/chart_saving.h"
#include "ui/export/report_printing.h"
#include "ui/export/report_saving.h"
#include "ui/solution/solution_actions.h"

namespace ui_test {
namespace {

QByteArray readAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

using test_support::poppler;

// The archive's entries in their order, each with its bytes.
std::vector<std::pair<QString, QByteArray>> unzip(const QByteArray& archive) {
  std::vector<std::pair<QString, QByteArray>> entries;
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* source = zip_source_buffer_create(
      archive.constData(), static_cast<zip_uint64_t>(archive.size()), 0, &error);
  zip_t* zip = source ? zip_open_from_source(source, ZIP_RDONLY, &error) : nullptr;
  if (zip == nullptr) {
    if (source) zip_source_free(source);
    zip_error_fini(&error);
    return entries;
  }
  for (zip_int64_t i = 0; i < zip_get_num_entries(zip, 0); ++i) {
    zip_stat_t stat;
    zip_stat_index(zip, static_cast<zip_uint64_t>(i), 0, &stat);
    QByteArray bytes(static_cast<qsizetype>(stat.size), '\0');
    zip_file_t* file = zip_fopen_index(zip, static_cast<zip_uint64_t>(i), 0);
    if (file != nullptr) {
      zip_fread(file, bytes.data(), stat.size);
      zip_fclose(file);
    }
    entries.emplace_back(QString::fromUtf8(stat.name), bytes);
  }
  zip_close(zip);
  zip_error_fini(&error);
  return entries;
}

QString withoutTimes(const QByteArray& core) {
  return QString::fromUtf8(core).remove(
      QRegularExpression(QStringLiteral("<dcterms:(created|modified)[^<]*</dcterms:\\1>")));
}

QString collapsed(const QString& line) { return line.simplified(); }

// The window on the shipped sample and table, as a student first sees it.
class ReportReadback : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    writeTable();
    writeFile(QStringLiteral("Input.txt"),
              readAll(QStringLiteral(TARNEK_DATA_DIR "/Input.txt")).toStdString());
    start();
  }
  QString scratch(const char* name) const { return QDir::current().absoluteFilePath(name); }
};

TEST_F(ReportReadback, ThePdfOfTheShippedSampleIsOnePageWithEveryTextAndItsFonts) {
  ASSERT_TRUE(ui::saveReportTo(*mainForm_, scratch("report.pdf")));
  const QString info = poppler("pdfinfo", {scratch("report.pdf")});
  EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))))
      << info.toStdString();
  EXPECT_TRUE(info.contains(QRegularExpression(
      QStringLiteral("Page size:\\s+595(\\.\\d+)? x 84[12](\\.\\d+)? pts \\(A4\\)"))))
      << info.toStdString();
  EXPECT_TRUE(info.contains(QString::fromUtf8("Title:           Отчёт: Input.txt")));

  // Every font is embedded: the lines after the two heading lines end "yes ... yes".
  const QStringList fonts =
      poppler("pdffonts", {scratch("report.pdf")}).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  ASSERT_GE(fonts.size(), 3);
  for (const QString& font : fonts.mid(2))
    EXPECT_TRUE(font.contains(QRegularExpression(QStringLiteral("\\s+yes\\s+(yes|no)\\s+yes\\s"))))
        << font.toStdString();

  const QString text = poppler("pdftotext", {"-layout", scratch("report.pdf"), "-"});
  QStringList lines;
  QSet<QString> tokens;
  for (const QString& line : text.split(QLatin1Char('\n'))) {
    lines << collapsed(line);
    for (const QString& token :
         line.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts))
      tokens.insert(token);
  }
  const auto grid = shownGrid(*mainForm_);
  ASSERT_GT(grid.size(), 10u);
  for (const auto& row : grid)
    for (const QString& cell : row) {
      if (!cell.isEmpty()) {
        EXPECT_TRUE(tokens.contains(cell)) << cell.toStdString();
      }
    }
  ASSERT_GT(mainForm_->logLines().size(), 10);
  for (const QString& line : mainForm_->logLines())
    EXPECT_TRUE(lines.contains(collapsed(line))) << line.toStdString();
}

TEST_F(ReportReadback, TheDocxSavedIsTheReportTheChartMenuWrites) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  QStringList opened;
  mainForm_->setWordApplication(std::make_unique<report::DocumentApplication>(
      report::openInFolder(
          folder.path(),
          [&opened](const QString& path) {
            opened << path;
            return QString();
          },
          [](const QString&) {}),
      report::systemClipboardPicture,
      [] { return report::reportProperties(QStringLiteral("Input.txt")); }));
  // Without the worked solution, and with it ("Ход решения в отчёте").
  QByteArray documentWithout;
  for (const bool withSolution : {false, true}) {
    SCOPED_TRACE(withSolution ? "with the solution" : "without the solution");
    opened.clear();
    mainForm_->solution()->reportAction()->setChecked(withSolution);
    mainForm_->Word1->trigger();
    ASSERT_EQ(opened.size(), 1);
    ASSERT_TRUE(ui::saveReportTo(*mainForm_, scratch("saved.docx")));

    const auto menuReport = unzip(readAll(opened[0]));
    const auto saved = unzip(readAll(scratch("saved.docx")));
    ASSERT_EQ(saved.size(), menuReport.size());
    ASSERT_GE(saved.size(), 9u);
    for (size_t i = 0; i < saved.size(); ++i) {
      SCOPED_TRACE(saved[i].first.toStdString());
      EXPECT_EQ(saved[i].first, menuReport[i].first);
      if (saved[i].first == QStringLiteral("docProps/core.xml")) {
        EXPECT_EQ(withoutTimes(saved[i].second), withoutTimes(menuReport[i].second));
      } else {
        EXPECT_EQ(saved[i].second, menuReport[i].second);
      }
      if (saved[i].first != QStringLiteral("word/document.xml")) continue;
      // The option is what sets the two apart: the solution's heading and its tables.
      EXPECT_EQ(saved[i].second.contains(QString::fromUtf8("Ход решения").toUtf8()), withSolution);
      if (withSolution) {
        EXPECT_GT(saved[i].second.size(), documentWithout.size());
      } else {
        documentWithout = saved[i].second;
      }
    }
  }
  EXPECT_TRUE(messages_.empty());
}

TEST_F(ReportReadback, WithTheSolutionOnThePdfAndThePrintoutHoldItAfterTheLog) {
  mainForm_->solution()->reportAction()->setChecked(true);
  ASSERT_TRUE(ui::saveReportTo(*mainForm_, scratch("report.pdf")));
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(scratch("printed.pdf"));
  ASSERT_EQ(ui::printReportOn(*mainForm_, printer), QString());

  const engine::TextDocument& solution = mainForm_->solution()->document();
  ASSERT_GT(solution.blocks.size(), 10u);
  for (const char* name : {"report.pdf", "printed.pdf"}) {
    SCOPED_TRACE(name);
    const QString info = poppler("pdfinfo", {scratch(name)});
    // The shipped sample's report is one page; the solution goes on to further ones.
    const QRegularExpressionMatch pages =
        QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)\\n")).match(info);
    ASSERT_TRUE(pages.hasMatch()) << info.toStdString();
    EXPECT_GE(pages.captured(1).toInt(), 2);
    // Indices and powers are words of their own to pdftotext: compared without white space.
    QString text = poppler("pdftotext", {scratch(name), "-"});
    text.remove(QRegularExpression(QStringLiteral("\\s")));
    QString lastLog = mainForm_->logLines().last();
    lastLog.remove(QRegularExpression(QStringLiteral("\\s")));
    qsizetype at = text.indexOf(lastLog);
    ASSERT_GE(at, 0);
    for (const engine::TextBlock& block : solution.blocks) {
      const auto* paragraph = std::get_if<engine::TextParagraph>(&block);
      if (paragraph == nullptr) continue;
      QString expected;
      for (const engine::TextRun& run : paragraph->runs)
        expected += QString::fromStdString(run.text);
      expected.remove(QRegularExpression(QStringLiteral("\\s")));
      const qsizetype found = text.indexOf(expected, at);
      EXPECT_GT(found, at) << expected.toStdString();  // in order, after the log
      if (found > at) at = found;
    }
  }
}

TEST_F(ReportReadback, TheChartsPdfIsVectorAndThePrintedReportOnePage) {
  ASSERT_TRUE(ui::exportChartTo(*mainForm_, scratch("chart.pdf")));
  const QStringList images =
      poppler("pdfimages", {"-list", scratch("chart.pdf")}).split('\n', Qt::SkipEmptyParts);
  EXPECT_EQ(images.size(), 2) << images.join('\n').toStdString();  // the heading lines only
  const QString chartText = poppler("pdftotext", {scratch("chart.pdf"), "-"});
  EXPECT_TRUE(chartText.contains(QString::fromUtf8("Группированный статистический ряд")));

  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(scratch("printed.pdf"));
  ASSERT_EQ(ui::printReportOn(*mainForm_, printer), QString());
  EXPECT_TRUE(poppler("pdfinfo", {scratch("printed.pdf")})
                  .contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))));
  const QString printed = poppler("pdftotext", {"-layout", scratch("printed.pdf"), "-"});
  for (const QString& line : mainForm_->logLines())
    EXPECT_TRUE(collapsed(printed).contains(collapsed(line))) << line.toStdString();
}

}  // namespace
}  // namespace ui_test
