// Tests that run the built tarnek-cli: exit statuses, JSON, locale, many files.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "tests/cli/test_files.h"

namespace cli {
namespace {

using testing::CliRun;
using testing::runCli;

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> result;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) result.push_back(line);
  return result;
}

bool startsWith(const std::string& text, const std::string& start) {
  return text.compare(0, start.size(), start) == 0;
}

class CliEndToEndTest : public ::testing::Test {
 protected:
  testing::TempDir dir_;
};

TEST_F(CliEndToEndTest, ExitStatusSaysWhetherEveryFileWasRead) {
  struct Case {
    std::vector<std::string> args;
    int status;
    std::string stdoutStart;
    std::string stderrStart;
  };
  const Case cases[] = {
      {{"Input.txt", "Input.txt"}, 0, "== Input.txt ==\nЗагружено 100", ""},
      {{"missing.txt", "Input.txt"},
       1,
       "== missing.txt ==\nНе смог открыть входной файл\n",
       "tarnek-cli: cannot open missing.txt: No such file or directory\n"},
      {{"--help"}, 0, "Usage: tarnek-cli", ""},
      {{}, 2, "", "tarnek-cli: no FILE given\n\nUsage: tarnek-cli"},
      {{"--bogus", "Input.txt"}, 2, "", "tarnek-cli: unknown option --bogus\n"},
      {{"Input.txt", "--xmin"}, 2, "", "tarnek-cli: --xmin needs a value\n"},
      {{"--h", "1,234.5", "Input.txt"}, 2, "", "tarnek-cli: --h: not a number: 1,234.5\n"},
      {{"--h", "1,5", "Input.txt"}, 0, "Обрабатываю файл - Input.txt\nДлина интервала 1.5\n", ""},
      {{"--alpha", "0.1", "Input.txt"},
       2,
       "",
       "tarnek-cli: --alpha must be 0.05, 0.025 or 0.01: 0.1\n"},
      {{"--coefficients", "n", "Input.txt"},
       2,
       "",
       "tarnek-cli: --coefficients must be method or sample: n\n"},
      {{"--csv", "--json", "Input.txt"},
       2,
       "",
       "tarnek-cli: --json and --csv cannot be combined\n"},
      {{"--csv", "missing.txt"},
       1,
       "1,2,3,4,5,6,7,8,9,10,11\n",
       "tarnek-cli: cannot open missing.txt: No such file or directory\n"},
      {{"--docx", "r.docx", "Input.txt", "Input.txt"},
       2,
       "",
       "tarnek-cli: --docx takes exactly one FILE\n"},
  };
  for (const Case& c : cases) {
    const CliRun run = runCli(c.args, dir_.path());
    EXPECT_EQ(run.status, c.status) << c.stdoutStart << c.stderrStart;
    EXPECT_TRUE(startsWith(run.out, c.stdoutStart) && run.out.empty() == c.stdoutStart.empty())
        << run.out;
    EXPECT_TRUE(startsWith(run.err, c.stderrStart) && run.err.empty() == c.stderrStart.empty())
        << run.err;
  }
}

TEST_F(CliEndToEndTest, JsonHoldsOneObjectPerFileInTheGivenShape) {
  std::filesystem::remove(dir_.path() / "exttable.txt");  // the table looked for by default
  const CliRun run = runCli({"--json", "Input.txt", "no\xFF\"such\n.txt"}, dir_.path());
  EXPECT_EQ(run.status, 1);
  // Standard output keeps its shape; the file that did not open is named on standard error.
  EXPECT_EQ(run.err,
            "Не смог загрузить таблицу крит точек\n"
            "tarnek-cli: cannot open no\xFF\"such\n.txt: No such file or directory\n");
  const auto objects = lines(run.out);
  ASSERT_EQ(objects.size(), 2u) << run.out;

  const std::string messages = R"("messages":["Не смог загрузить таблицу крит точек"])";
  const std::string& loaded = objects[0];
  EXPECT_TRUE(startsWith(
      loaded, R"({"file":"Input.txt",)" + messages + R"(,"log":["Загружено 100 элементов",)"))
      << loaded;
  EXPECT_NE(loaded.find(R"(],"grid":[["1","2","3","4","5","6","7","8","9","10","11"],[)"),
            std::string::npos);
  EXPECT_NE(loaded.find(R"(]],"histogram":[[)"), std::string::npos);
  // Every critical point is 0: no verdict, no curve, but the p-value.
  EXPECT_NE(loaded.find(R"(,"curve":[],"result":{"outcome":"no_critical_point","n":100,"h":1,)"),
            std::string::npos);
  EXPECT_NE(loaded.find(R"("statistic":2.312088,"critical":null,"p_value":0.67856)"),
            std::string::npos);

  const std::string emptyRow = R"(["","","","","","","","","","",""])";
  EXPECT_EQ(objects[1],
            R"({"file":"no)"
            "\xEF\xBF\xBD"
            R"(\"such\u000a.txt",)" +
                messages + R"(,"log":["Не смог открыть входной файл"],"grid":[)" + emptyRow + "," +
                emptyRow + "," + emptyRow + "," + emptyRow +
                R"(],"histogram":[],"curve":[],"result":{"outcome":"open_failed",)"
                R"("n":null,"h":null,"xmin":null,"xmax":null,"intervals":null,)"
                R"("groups":null,"df":null,"mean":null,"sd":null,"statistic":null,)"
                R"("critical":null,"p_value":null,"mean_interval":null,)"
                R"("sd_interval":null,"table":null,"stopped_at":null,"truncated":false,)"
                R"("alpha":0.05,)"
                R"("gamma":0.95,"coefficients":"method","t":null,"q":null}})");
}

TEST_F(CliEndToEndTest, DecimalSeparatorFollowsTheLocaleEnvironment) {
  dir_.write("half.txt", "0.5\n1 1.5 2\n");
  const std::pair<std::vector<std::string>, const char*> cases[] = {
      {{"LANG=ru_RU.UTF-8"}, "Длина интервала 0,5"},
      {{"LANG=C"}, "Длина интервала 0.5"},
      {{}, "Длина интервала 0.5"},
      {{"LC_NUMERIC=ru_RU.UTF-8", "LANG=en_US.UTF-8"}, "Длина интервала 0,5"},
      {{"LC_ALL=en_US.UTF-8", "LC_NUMERIC=ru_RU.UTF-8", "LANG=ru_RU.UTF-8"}, "Длина интервала 0.5"},
  };
  for (const auto& [environment, expectedLine] : cases) {
    const auto log = lines(runCli({"half.txt"}, dir_.path(), environment).out);
    ASSERT_GE(log.size(), 3u);
    EXPECT_EQ(log[2], expectedLine) << (environment.empty() ? "" : environment.front());
  }
}

std::string fileContents(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST_F(CliEndToEndTest, DocxWritesTheReportWithoutADisplay) {
  const CliRun run = runCli({"--docx", "report.docx", "Input.txt"}, dir_.path());
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(startsWith(run.out, "Загружено 100 элементов\n"));
  const std::string docx = fileContents(dir_.path() / "report.docx");
  EXPECT_TRUE(startsWith(docx, "PK\x03\x04"));
  EXPECT_NE(docx.find("word/document.xml"), std::string::npos);
  EXPECT_NE(docx.find("word/media/"), std::string::npos);  // the chart picture
}

// word/document.xml of a .docx, read by Python's zipfile ("" when it cannot be read).
std::string documentXml(const std::filesystem::path& docx) {
  const std::string command =
      "python3 -c 'import sys, zipfile; "
      "sys.stdout.write(zipfile.ZipFile(sys.argv[1]).read(\"word/document.xml\").decode())' '" +
      docx.string() + "'";
  std::string xml;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[4096];
    for (size_t got; (got = fread(buffer, 1, sizeof buffer, pipe)) > 0;) xml.append(buffer, got);
    pclose(pipe);
  }
  return xml;
}

TEST_F(CliEndToEndTest, SolutionFollowsTheGridInTextJsonAndTheReport) {
  const CliRun plain = runCli({"Input.txt"}, dir_.path());
  const CliRun solved = runCli({"--solution", "Input.txt"}, dir_.path());
  ASSERT_EQ(solved.status, 0) << solved.err;
  ASSERT_TRUE(startsWith(solved.out, plain.out));
  const std::string solution = solved.out.substr(plain.out.size());
  EXPECT_TRUE(startsWith(solution, "\nХод решения\n\n1. Исходные данные\n")) << solution;
  EXPECT_NE(solution.find("\nСравнение: χ²_набл = 2.3121 < χ²_кр = 9.488.\n"), std::string::npos);

  // The JSON object gains one key after the existing ones: the paragraphs' texts, in order.
  const CliRun json = runCli({"--json", "Input.txt"}, dir_.path());
  const CliRun jsonSolved = runCli({"--json", "--solution", "Input.txt"}, dir_.path());
  ASSERT_EQ(json.out.substr(json.out.size() - 2), "}\n");
  const std::string object = json.out.substr(0, json.out.size() - 2);
  ASSERT_TRUE(startsWith(jsonSolved.out, object + R"(,"solution":["Ход решения","1. )"))
      << jsonSolved.out.substr(0, 200);
  EXPECT_NE(jsonSolved.out.find(R"(,"Сравнение: χ²_набл = 2.3121 < χ²_кр = 9.488.",)"),
            std::string::npos);
  EXPECT_NE(jsonSolved.out.find(R"("1\u00091–2\u00099\u00098.526\u00099.5\u00092")"),
            std::string::npos)
      << "a table row, its cells joined by tabs";

  // The report gets the section with Word's own scripts; without the option, no run has any.
  const CliRun report = runCli({"--docx", "plain.docx", "Input.txt"}, dir_.path());
  const CliRun reportSolved =
      runCli({"--solution", "--docx", "solved.docx", "Input.txt"}, dir_.path());
  ASSERT_EQ(report.status, 0) << report.err;
  ASSERT_EQ(reportSolved.status, 0) << reportSolved.err;
  const std::string withoutSolution = documentXml(dir_.path() / "plain.docx");
  const std::string withSolution = documentXml(dir_.path() / "solved.docx");
  ASSERT_NE(withoutSolution.find("<w:body>"), std::string::npos);
  EXPECT_EQ(withoutSolution.find("w:rPr"), std::string::npos);
  EXPECT_EQ(withoutSolution.find("Ход решения"), std::string::npos);
  EXPECT_NE(withSolution.find(R"(<w:vertAlign w:val="subscript"/>)"), std::string::npos);
  EXPECT_NE(withSolution.find(R"(<w:vertAlign w:val="superscript"/>)"), std::string::npos);
  EXPECT_NE(withSolution.find("Ход решения"), std::string::npos);

  // The PDF report too: the solution goes on to a second page, its letters in italics.
  const CliRun pdf = runCli({"--pdf", "plain.pdf", "Input.txt"}, dir_.path());
  const CliRun pdfSolved = runCli({"--solution", "--pdf", "solved.pdf", "Input.txt"}, dir_.path());
  ASSERT_EQ(pdf.status, 0) << pdf.err;
  ASSERT_EQ(pdfSolved.status, 0) << pdfSolved.err;
  const auto pages = [](const std::string& document) {
    int count = 0;
    for (size_t at = document.find("/Type /Page\n"); at != std::string::npos;
         at = document.find("/Type /Page\n", at + 1))
      ++count;
    return count;
  };
  const std::string plainPdf = fileContents(dir_.path() / "plain.pdf");
  const std::string solvedPdf = fileContents(dir_.path() / "solved.pdf");
  EXPECT_EQ(pages(plainPdf), 1);
  EXPECT_EQ(pages(solvedPdf), 2);
  EXPECT_EQ(plainPdf.find("-Italic"), std::string::npos);
  EXPECT_NE(solvedPdf.find("-Italic"), std::string::npos);
}

TEST_F(CliEndToEndTest, DocxIntoAMissingFolderFailsWithItsReason) {
  const CliRun run = runCli({"--docx", "no-such-dir/report.docx", "Input.txt"}, dir_.path());
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(startsWith(run.err, "tarnek-cli: ")) << run.err;
  EXPECT_FALSE(std::filesystem::exists(dir_.path() / "no-such-dir"));
}

// The width and height a PNG's header gives.
std::pair<uint32_t, uint32_t> pngSize(const std::string& png) {
  if (png.size() < 24) return {0, 0};
  const auto word = [&](size_t at) {
    uint32_t value = 0;
    for (size_t i = 0; i < 4; ++i) value = value << 8 | static_cast<unsigned char>(png[at + i]);
    return value;
  };
  return {word(16), word(20)};
}

TEST_F(CliEndToEndTest, PdfAndChartFilesAreWrittenBesideTheReport) {
  const CliRun run =
      runCli({"--docx", "r.docx", "--pdf", "r.pdf", "--chart", "c.PNG", "Input.txt"}, dir_.path());
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_TRUE(startsWith(run.out, "Загружено 100 элементов\n"));
  EXPECT_TRUE(startsWith(fileContents(dir_.path() / "r.docx"), "PK\x03\x04"));
  const std::string pdf = fileContents(dir_.path() / "r.pdf");
  EXPECT_TRUE(startsWith(pdf, "%PDF-"));
  EXPECT_NE(pdf.find("/FontFile2"), std::string::npos);  // the type is embedded
  const std::string png = fileContents(dir_.path() / "c.PNG");
  ASSERT_TRUE(startsWith(png, "\x89PNG\r\n\x1a\n"));
  // The window's chart at its designed 785 x 265, at twice the density.
  EXPECT_EQ(pngSize(png), (std::pair<uint32_t, uint32_t>{1570, 530}));

  for (const char* name : {"c.svg", "c.pdf"}) {
    const CliRun chart = runCli({"--chart", name, "Input.txt"}, dir_.path());
    EXPECT_EQ(chart.status, 0) << chart.err;
  }
  EXPECT_NE(fileContents(dir_.path() / "c.svg").find("<svg"), std::string::npos);
  const std::string chartPdf = fileContents(dir_.path() / "c.pdf");
  EXPECT_TRUE(startsWith(chartPdf, "%PDF-"));
  EXPECT_EQ(chartPdf.find("/Subtype /Image"), std::string::npos);
}

TEST_F(CliEndToEndTest, OutputOptionsAreCheckedBeforeAnythingRuns) {
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"--chart", "c.jpg", "Input.txt"}, "tarnek-cli: --chart: the name must end in .png"},
      {{"--chart", "c", "Input.txt"}, "tarnek-cli: --chart: the name must end in .png"},
      {{"--pdf", "r.pdf", "Input.txt", "Input.txt"}, "tarnek-cli: --pdf takes exactly one FILE"},
      {{"--chart", "c.png", "a.txt", "b.txt"}, "tarnek-cli: --chart takes exactly one FILE"},
      {{"--pdf", "r.pdf", "--chart", "./r.pdf", "Input.txt"},
       "tarnek-cli: --pdf and --chart name the same file"},
      {{"--docx", "r", "--pdf", "r", "Input.txt"}, "tarnek-cli: --docx and --pdf name the same"},
  };
  for (const auto& [args, message] : cases) {
    const CliRun run = runCli(args, dir_.path());
    EXPECT_EQ(run.status, 2) << message;
    EXPECT_EQ(run.out, "");
    EXPECT_TRUE(startsWith(run.err, message)) << run.err;
  }
  for (const char* name : {"r.pdf", "c.png", "c.jpg", "r"})
    EXPECT_FALSE(std::filesystem::exists(dir_.path() / name)) << name;
}

TEST_F(CliEndToEndTest, ThousandFilesInOneInvocation) {
  constexpr int kFiles = 1000;
  std::vector<std::string> args{"--json"};
  for (int i = 0; i < kFiles; ++i) {
    args.push_back("s" + std::to_string(i) + ".txt");
    dir_.write(args.back(), "1\n" + std::to_string(i) + " " + std::to_string(i + 2) + "\n");
  }
  const CliRun run = runCli(args, dir_.path());
  EXPECT_EQ(run.status, 0);
  const auto objects = lines(run.out);
  ASSERT_EQ(objects.size(), static_cast<size_t>(kFiles));
  for (int i = 0; i < kFiles; ++i) {
    EXPECT_TRUE(startsWith(objects[static_cast<size_t>(i)],
                           R"({"file":"s)" + std::to_string(i) +
                               R"(.txt","messages":[],"log":["Загружено 2 элементов",)"))
        << i;
  }
}

}  // namespace
}  // namespace cli
