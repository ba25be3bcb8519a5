// The PDF report read back by poppler's tools: pages, the repeated header row, the picture.
#include <gtest/gtest.h>

#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "report/page_layout.h"
#include "report/report_file.h"
#include "tests/report/report_test_support.h"

namespace report {
namespace {

QString poppler(const char* tool, const QStringList& arguments) {
  const QString program = QStandardPaths::findExecutable(QLatin1String(tool));
  EXPECT_FALSE(program.isEmpty()) << tool << " (poppler-utils) is required";
  QProcess process;
  process.start(program, arguments);
  EXPECT_TRUE(process.waitForFinished(60000)) << tool;
  EXPECT_EQ(process.exitCode(), 0) << tool << ": " << process.readAllStandardError().toStdString();
  return QString::fromUtf8(process.readAllStandardOutput());
}

class PdfReadback : public ::testing::Test {
 protected:
  QString write(const ReportTexts& texts, const QImage& chart) {
    const QString path = folder_.filePath("report.pdf");
    EXPECT_TRUE(test::writeFile(path, reportDocumentBytes(texts, chart, ReportFormat::Pdf)));
    return path;
  }
  int pages(const QString& path) {
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(poppler("pdfinfo", {path}));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
  }
  QTemporaryDir folder_;
};

TEST_F(PdfReadback, ALongTableGoesOnWithItsHeaderRowOnEveryPageAndLosesNoRow) {
  const ReportTexts texts = test::sampleTexts(300, 3);
  const QString path = write(texts, test::chartPicture());
  const int count = pages(path);
  EXPECT_GE(count, 5);
  const QStringList shown =
      poppler("pdftotext", {"-layout", path, "-"}).split(QLatin1Char('\f'), Qt::SkipEmptyParts);
  ASSERT_EQ(shown.size(), count);
  const QString header = texts.gridRows[0].join(QLatin1Char(' '));
  QSet<QString> cells;
  for (size_t r = 1; r < texts.gridRows.size(); ++r)
    if (!texts.gridRows[r][1].isEmpty()) cells.insert(texts.gridRows[r][1]);
  QMap<QString, int> seen;
  for (int page = 0; page < shown.size(); ++page) {
    QStringList rows;
    for (const QString& line : shown[page].split(QLatin1Char('\n')))
      if (!line.simplified().isEmpty()) rows << line.simplified();
    ASSERT_FALSE(rows.isEmpty());
    bool holdsTable = false;
    for (const QString& row : rows) {
      for (const QString& token : row.split(QLatin1Char(' '))) {
        ++seen[token];
        holdsTable = holdsTable || cells.contains(token);
      }
    }
    // Each page the table is on shows its first row once: the table's own on the first page,
    // repeated at the top on every later one.
    EXPECT_EQ(rows.count(header), holdsTable ? 1 : 0) << page;
    if (page > 0 && holdsTable) {
      EXPECT_EQ(rows.front(), header) << page;
    }
  }
  // Every cell is there once, whichever page its row went to.
  for (size_t r = 1; r < texts.gridRows.size(); ++r) {
    const QString cell = texts.gridRows[r][1];
    if (!cell.isEmpty()) {
      EXPECT_EQ(seen.value(cell), 1) << cell.toStdString();
    }
  }
}

TEST_F(PdfReadback, ThePictureSpansTheTextWidth) {
  const QImage chart = test::chartPicture(1570, 530);
  const QString path = write(test::sampleTexts(4, 1), chart);
  const QStringList images =
      poppler("pdfimages", {"-list", path}).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  ASSERT_EQ(images.size(), 3);
  const QStringList columns = images[2].simplified().split(QLatin1Char(' '));
  ASSERT_GE(columns.size(), 14);
  EXPECT_EQ(columns[3], "1570");
  // x-ppi: the picture's pixels over the text width in inches.
  EXPECT_EQ(columns[12].toInt(), qRound(1570 / (kTextWidthTwips / 1440.0)));
}

TEST_F(PdfReadback, LongAndAwkwardLinesWrapWithoutLosingText) {
  ReportTexts texts = test::sampleTexts(4, 4);
  texts.logLines[0] = QString(3000, QLatin1Char('w'));
  texts.logLines[1] = QStringLiteral("таб\tи\r\nперевод\x01строки");
  texts.logLines[2] = QStringLiteral("<&\"'>");
  const QString path = write(texts, test::chartPicture());
  EXPECT_GE(pages(path), 1);
  const QString text = poppler("pdftotext", {path, "-"});
  QString squeezed = text;
  squeezed.remove(QRegularExpression(QStringLiteral("\\s")));
  EXPECT_TRUE(squeezed.contains(QString(3000, QLatin1Char('w'))));
  EXPECT_TRUE(text.contains(QStringLiteral("таб")));
  EXPECT_TRUE(text.contains(QStringLiteral("перевод")));
  EXPECT_TRUE(squeezed.contains(QStringLiteral("переводстроки")));  // the control is dropped
  EXPECT_TRUE(text.contains(QStringLiteral("<&\"'>")));
}

}  // namespace
}  // namespace report
