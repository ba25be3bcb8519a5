// The PDF report read back by poppler's tools: pages, the repeated header row, the picture.
#include <gtest/gtest.h>

#include <QMap>
#include <QPointF>
#include <QRectF>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <vector>

#include "engine/document/page_layout.h"
#include "engine/document/text_document.h"
#include "report/content/report_file.h"
#include "tests/report/report_test_support.h"
#include "tests/support/poppler.h"

namespace report {
namespace {

using test_support::poppler;

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
  EXPECT_EQ(columns[12].toInt(), qRound(1570 / (engine::kTextWidthTwips / 1440.0)));
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

// The words pdftotext -bbox finds, each with its box (y grows downwards), in reading order.
struct Word {
  QString text;
  QRectF box;
};

std::vector<Word> words(const QString& bbox) {
  std::vector<Word> found;
  const QRegularExpression word(
      QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
                     "yMax=\"([\\d.]+)\">([^<]*)</word>"));
  for (auto match = word.globalMatch(bbox); match.hasNext();) {
    const QRegularExpressionMatch m = match.next();
    found.push_back(
        {m.captured(5), QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                               QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()))});
  }
  return found;
}

engine::TextRun run(const char* text, bool italic = false,
                    engine::Script script = engine::Script::Baseline) {
  return engine::TextRun{text, italic, script};
}

TEST_F(PdfReadback, TheSolutionsHeadingsItalicsIndicesAndPowersKeepTheirLook) {
  ReportTexts texts = test::sampleTexts(4, 1);
  engine::TextDocument solution;
  engine::TextParagraph heading;
  heading.role = engine::TextParagraph::Role::Heading;
  heading.runs = {run("Оценки")};
  engine::TextParagraph body;
  body.runs = {run("x", true), run("min", false, engine::Script::Subscript), run(" = 1 и "),
               run("s", true), run("2", false, engine::Script::Superscript), run(" = 4")};
  solution.blocks = {heading, body};
  texts.solution = solution;
  const QString path = write(texts, test::chartPicture());

  // The bold and the italic face are there, and embedded, as the regular one is.
  const QStringList fonts =
      poppler("pdffonts", {path}).split(QLatin1Char('\n'), Qt::SkipEmptyParts).mid(2);
  bool bold = false;
  bool italic = false;
  for (const QString& font : fonts) {
    const QStringList columns = font.simplified().split(QLatin1Char(' '));
    ASSERT_GE(columns.size(), 5) << font.toStdString();
    EXPECT_EQ(columns[columns.size() - 5], QStringLiteral("yes")) << font.toStdString();
    bold = bold || columns[0].contains(QStringLiteral("Bold"));
    italic = italic || columns[0].contains(QStringLiteral("Italic"));
  }
  EXPECT_TRUE(bold);
  EXPECT_TRUE(italic);

  // An index is smaller than its letter and sits lower; a power is smaller and sits higher.
  poppler("pdftotext", {"-bbox", path, folder_.filePath("words.html")});
  const std::vector<Word> found =
      words(QString::fromUtf8(test::readFile(folder_.filePath("words.html"))));
  const auto after = [&](const char* letter, const char* next) -> std::pair<QRectF, QRectF> {
    for (size_t i = 0; i + 1 < found.size(); ++i)
      if (found[i].text == QString::fromUtf8(letter) &&
          found[i + 1].text == QString::fromUtf8(next))
        return {found[i].box, found[i + 1].box};
    ADD_FAILURE() << letter << " then " << next << " not found";
    return {};
  };
  const auto [x, index] = after("x", "min");
  EXPECT_LT(index.height(), 0.8 * x.height());
  EXPECT_GT(index.bottom(), x.bottom());
  EXPECT_NEAR(index.left(), x.right(), 0.5);  // on the same line, right after it
  const auto [letter, power] = after("s", "2");
  EXPECT_LT(power.height(), 0.8 * letter.height());
  EXPECT_LT(power.top(), letter.top());
  EXPECT_LT(power.bottom(), letter.bottom());
}

}  // namespace
}  // namespace report
