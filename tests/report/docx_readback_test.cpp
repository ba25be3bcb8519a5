// Reports read back by independent readers: python-docx, and LibreOffice converting them.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

#include "engine/solution.h"
#include "report/content/report_file.h"
#include "report/docx/docx_writer.h"
#include "tests/report/report_test_support.h"

namespace report {
namespace {

// A full report whose log holds the texts that could break a document.
ReportTexts hostileTexts() {
  ReportTexts texts = test::sampleTexts(22, 12);
  texts.gridRows[3][2] = "<&\"'>";
  texts.logLines[1] = QStringLiteral("Обрабатываю файл - a<b>&\"c'\x01\x7f.txt");
  texts.logLines[2] = QStringLiteral("Обрабатываю файл - таб\tи\nперевод");
  texts.logLines[3] = QString(10000, QLatin1Char('w'));
  texts.logLines[4] = QStringLiteral("  пробелы по краям  ");
  return texts;
}

struct ToolRun {
  int exitCode = -1;
  QByteArray output;
  QByteArray errors;
};

ToolRun runTool(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  ToolRun result;
  if (!process.waitForFinished(180000)) {
    process.kill();
    process.waitForFinished();
    return result;
  }
  result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  result.output = process.readAllStandardOutput();
  result.errors = process.readAllStandardError();
  return result;
}

// What a reader shows of a typed line: forbidden characters gone, a break or tab as a newline
// or tab.
QString asRead(const QString& typed) {
  QString text = xmlSafeText(typed);
  text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  return text;
}

// Each test saves its report in a folder of its own and hands it to the readers.
class DocxReadback : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(folder_.isValid()); }

  // The report of these texts and a chart picture, saved in the test's folder; its path.
  QString save(const ReportTexts& texts) const {
    const QString path = folder_.filePath("report.docx");
    saveReportDocument(texts, test::chartPicture(), path);
    return path;
  }

  // The saved report as python-docx reads it: read_docx.py's JSON.
  void readByPythonDocx(const QString& path, QJsonObject& read) const {
    const QString python = QStringLiteral(TARNEK_DOCX_PYTHON);
    ASSERT_TRUE(QFileInfo(python).isExecutable()) << "python3 with python3-docx is required";
    const ToolRun script = runTool(python, {QStringLiteral(TARNEK_READ_DOCX_SCRIPT), path});
    ASSERT_EQ(script.exitCode, 0) << script.errors.toStdString();
    read = QJsonDocument::fromJson(script.output).object();
  }

  // The saved report converted by LibreOffice with a profile of its own; `converted` is where
  // the result should be. LibreOffice exits 0 even when it could not load the file: the output
  // file is the verdict.
  void convertByOffice(const QString& path, const QString& filter, const QString& extension,
                       QString& converted) const {
    const QString office = QStandardPaths::findExecutable("soffice");
    ASSERT_FALSE(office.isEmpty()) << "LibreOffice (libreoffice-writer-nogui) is required";
    QTemporaryDir profile;
    const QString output = folder_.filePath(extension);
    const ToolRun run =
        runTool(office, {"-env:UserInstallation=" + QUrl::fromLocalFile(profile.path()).toString(),
                         "--headless", "--convert-to", filter, "--outdir", output, path});
    EXPECT_EQ(run.exitCode, 0) << run.errors.toStdString();
    converted = QDir(output).filePath("report." + extension);
  }

  QTemporaryDir folder_;
};

TEST_F(DocxReadback, PythonDocxSeesPictureParagraphsTableAndLog) {
  const ReportTexts texts = hostileTexts();
  QJsonObject result;
  ASSERT_NO_FATAL_FAILURE(readByPythonDocx(save(texts), result));
  const QJsonArray body = result["body"].toArray();

  const int logLines = static_cast<int>(texts.logLines.size());
  ASSERT_EQ(body.size(), 4 + 1 + logLines + 1);
  EXPECT_EQ(body[0]["pictures"].toInt(), 1);
  EXPECT_EQ(body[0]["text"].toString(), "");
  for (int i : {1, 2, 4, 5 + logLines}) {
    EXPECT_EQ(body[i]["kind"].toString(), "paragraph") << i;
    EXPECT_EQ(body[i]["text"].toString(), "") << i;
    EXPECT_EQ(body[i]["pictures"].toInt(), 0) << i;
  }

  ASSERT_EQ(body[3]["kind"].toString(), "table");
  EXPECT_EQ(body[3]["columns"].toInt(), texts.columnCount);
  const QJsonArray rows = body[3]["cells"].toArray();
  ASSERT_EQ(rows.size(), static_cast<qsizetype>(texts.gridRows.size()));
  for (qsizetype r = 0; r < rows.size(); ++r) {
    const QJsonArray cells = rows[r].toArray();
    ASSERT_EQ(cells.size(), texts.columnCount);
    for (int c = 0; c < texts.columnCount; ++c)
      EXPECT_EQ(cells[c].toString(), texts.gridRows[r][c]) << r << "," << c;
  }
  for (int i = 0; i < logLines; ++i)
    EXPECT_EQ(body[5 + i]["text"].toString(), asRead(texts.logLines[i])) << i;

  const QJsonArray shapes = result["inlineShapes"].toArray();
  ASSERT_EQ(shapes.size(), 1);
  EXPECT_EQ(shapes[0]["width"].toInteger(), qint64{engine::kTextWidthTwips} * 635);
}

TEST_F(DocxReadback, LibreOfficeConvertsTheReportAndKeepsEveryText) {
  const ReportTexts texts = hostileTexts();
  const QString path = save(texts);

  QString pdf;
  ASSERT_NO_FATAL_FAILURE(convertByOffice(path, "pdf", "pdf", pdf));
  ASSERT_TRUE(QFileInfo::exists(pdf));
  EXPECT_TRUE(test::readFile(pdf).startsWith("%PDF"));

  QString txt;
  ASSERT_NO_FATAL_FAILURE(convertByOffice(path, "txt:Text (encoded):UTF8", "txt", txt));
  ASSERT_TRUE(QFileInfo::exists(txt));
  const QString text = QString::fromUtf8(test::readFile(txt));
  for (const QStringList& row : texts.gridRows)
    for (const QString& cell : row) EXPECT_TRUE(text.contains(cell)) << cell.toStdString();
  for (const QString& line : texts.logLines) {
    for (const QString& piece : asRead(line).split(QRegularExpression("[\t\n]")))
      EXPECT_TRUE(text.contains(piece.trimmed())) << piece.left(80).toStdString();
  }
}

QString runsText(const engine::TextParagraph& paragraph) {
  QString text;
  for (const engine::TextRun& run : paragraph.runs) text += QString::fromStdString(run.text);
  return text;
}

TEST_F(DocxReadback, PythonDocxSeesTheSolutionWithItsScripts) {
  const ReportTexts texts = test::shippedSampleWithSolution();
  QJsonObject result;
  ASSERT_NO_FATAL_FAILURE(readByPythonDocx(save(texts), result));
  const QJsonArray body = result["body"].toArray();
  // The solution starts after the log, which starts after the grid's table.
  qsizetype at = 0;
  while (at < body.size() && body[at]["kind"].toString() != "table") ++at;
  at += 2 + texts.logLines.size();
  int scripts = 0;
  for (const engine::TextBlock& block : texts.solution->blocks) {
    if (const auto* paragraph = std::get_if<engine::TextParagraph>(&block)) {
      const bool heading = paragraph->role == engine::TextParagraph::Role::Heading;
      if (heading) {
        ASSERT_LT(at, body.size());
        EXPECT_EQ(body[at++]["text"].toString(), "");  // the empty line before a heading
      }
      ASSERT_LT(at, body.size());
      const QJsonObject read = body[at++].toObject();
      EXPECT_EQ(read["text"].toString(), runsText(*paragraph));
      const QJsonArray runs = read["runs"].toArray();
      ASSERT_EQ(runs.size(), static_cast<qsizetype>(paragraph->runs.size()))
          << read["text"].toString().toStdString();
      for (qsizetype i = 0; i < runs.size(); ++i) {
        const engine::TextRun& run = paragraph->runs[static_cast<size_t>(i)];
        EXPECT_EQ(runs[i]["text"].toString().toStdString(), run.text);
        EXPECT_EQ(runs[i]["bold"].toBool(), heading);
        EXPECT_EQ(runs[i]["italic"].toBool(), run.italic) << run.text;
        EXPECT_EQ(runs[i]["subscript"].toBool(), run.script == engine::Script::Subscript);
        EXPECT_EQ(runs[i]["superscript"].toBool(), run.script == engine::Script::Superscript);
        scripts += run.script == engine::Script::Baseline ? 0 : 1;
      }
      continue;
    }
    const auto& rows = std::get<engine::TextTable>(block).rows;
    ASSERT_LT(at, body.size());
    const QJsonObject read = body[at++].toObject();
    ASSERT_EQ(read["kind"].toString(), "table");
    const QJsonArray cells = read["cells"].toArray();
    ASSERT_EQ(cells.size(), static_cast<qsizetype>(rows.size()));
    for (size_t r = 0; r < rows.size(); ++r)
      for (size_t c = 0; c < rows[r].size(); ++c)
        EXPECT_EQ(cells[static_cast<qsizetype>(r)][static_cast<qsizetype>(c)].toString(),
                  runsText(rows[r][c].paragraphs.front()));
    EXPECT_GT(read["scripts"].toInt(), 0);  // n_g, x_i and the like in the cells
  }
  EXPECT_GT(scripts, 20);
}

TEST_F(DocxReadback, LibreOfficeKeepsTheSolutionsText) {
  const ReportTexts texts = test::shippedSampleWithSolution();
  QString txt;
  ASSERT_NO_FATAL_FAILURE(convertByOffice(save(texts), "txt:Text (encoded):UTF8", "txt", txt));
  ASSERT_TRUE(QFileInfo::exists(txt));
  const QString text = QString::fromUtf8(test::readFile(txt));
  for (const engine::TextBlock& block : texts.solution->blocks) {
    if (const auto* paragraph = std::get_if<engine::TextParagraph>(&block)) {
      EXPECT_TRUE(text.contains(runsText(*paragraph))) << runsText(*paragraph).toStdString();
    }
  }
}

}  // namespace
}  // namespace report
