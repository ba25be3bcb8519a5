// The browser page's window and window.tarnek.analyse, run natively on a scratch folder.
#include "web/module/page_session.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/command_line.h"
#include "web/module/sample_analysis.h"

namespace {

namespace fs = std::filesystem;

const std::string kTable = TARNEK_DATA_DIR "/exttable.txt";
const std::string kExample = TARNEK_DATA_DIR "/Input.txt";

// The dialog's fields as the page sends them: texts only.
engine::OptionFields typed(const char* file, const char* h, const char* xmin, const char* xmax) {
  engine::OptionFields fields;
  fields.fileName = file;
  fields.intervalLength.text = h;
  fields.xmin.text = xmin;
  fields.xmax.text = xmax;
  return fields;
}

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A scratch folder; the working directory is restored when it goes.
class Scratch : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "tarnek-web-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    root_ = pattern;
    previous_ = fs::current_path();
  }
  void TearDown() override {
    fs::current_path(previous_);
    fs::remove_all(root_);
  }
  std::string folder(const char* name) const { return (fs::path(root_) / name).string(); }

  // What tarnek-cli --json prints for `file` in `folder` with `flags`.
  static std::string cliLine(const std::string& folder, const std::string& file,
                             std::vector<std::string> flags, char separator) {
    const fs::path previous = fs::current_path();
    fs::current_path(folder);
    std::vector<std::string> args{"--json", "--table", kTable};
    args.insert(args.end(), flags.begin(), flags.end());
    args.push_back("--");
    args.push_back(file);
    std::ostringstream out, err;
    cli::runCommandLine(args, separator, out, err);
    fs::current_path(previous);
    return out.str();
  }

  // The "report" object of the page's view, as its own line.
  static std::string reportLine(const web::PageSession& page) {
    const std::string view = page.viewJson();
    const std::string start = "{\"report\":";
    const size_t end = view.find(",\"labels\":");
    return view.substr(start.size(), end - start.size()) + "\n";
  }

  std::string root_;
  fs::path previous_;
};

TEST_F(Scratch, StartsOnTheExampleAsTarnekCliAnalysesIt) {
  const web::PageSession page(folder("page"), kTable, kExample, ',');
  EXPECT_EQ(reportLine(page), cliLine(TARNEK_DATA_DIR, "Input.txt", {}, ','));
  EXPECT_EQ(page.fields().fileName, "Input.txt");
  EXPECT_EQ(page.fields().intervalLength.text, "1,00");
  EXPECT_EQ(page.fields().xmin.text, "496,00");
  EXPECT_FALSE(page.state().FileChanged);
  // The window's result sentence, with its tone for the colour.
  EXPECT_NE(page.viewJson().find("\"resultLine\":\"✓ Гипотеза о нормальности принята: Xb = "
                                 "2,3121 < Xk = 9,488 (степеней свободы: 4, α = 0.05), p = "
                                 "0,6786\",\"resultTone\":\"accepted\""),
            std::string::npos);
}

TEST_F(Scratch, ApplyInNumbersModeThenInFileModeAsTheDialogDoes) {
  web::PageSession page(folder("page"), kTable, kExample, '.');
  EXPECT_EQ(page.apply(typed("ignored.txt", "0.5", "496", "504.5")), std::nullopt);
  // The sample in memory, as tarnek-cli's second run: its log without the load's line.
  const std::string cli = cliLine(TARNEK_DATA_DIR, "Input.txt",
                                  {"--h", "0.5", "--xmin", "496", "--xmax", "504.5"}, '.');
  EXPECT_EQ(reportLine(page), cli);
  EXPECT_EQ(page.state().IntervalLength, 0.5f);
  EXPECT_NE(page.viewJson().find("\"fieldsChanged\":false"), std::string::npos);

  EXPECT_EQ(page.apply(typed("", "abc", "1", "2")),
            "Размер интервала: «abc» не является правильным числом");
  EXPECT_EQ(page.state().IntervalLength, 0.5f);

  // A file the page holds: the saved pasted data, opened by name in file mode.
  page.openSample("../elsewhere/Данные.txt", readFile(kExample));
  EXPECT_EQ(page.state().FileName, "Данные.txt");
  EXPECT_TRUE(fs::exists(fs::path(folder("page")) / "Данные.txt"));
  page.nameChanged();
  EXPECT_EQ(page.apply(typed("нет.txt", "7", "x", "y")), std::nullopt);
  EXPECT_NE(page.viewJson().find("\"log\":[\"Не смог открыть входной файл\"]"), std::string::npos);
  EXPECT_EQ(page.fields().intervalLength.text, "1.00");  // rewritten from the state the load kept
  EXPECT_FALSE(page.state().FileChanged);
  page.cancel();
  EXPECT_FALSE(page.state().FileChanged);
}

TEST_F(Scratch, AnotherSeparatorShowsTheSampleInMemoryAgain) {
  web::PageSession page(folder("page"), kTable, kExample, '.');
  page.setDecimalSeparator(',');
  const std::string line = reportLine(page);
  EXPECT_NE(line.find("\"Минимальный элемент равен 495,9\""), std::string::npos);
  EXPECT_EQ(line.find("Загружено"), std::string::npos);  // not read again
  EXPECT_EQ(page.fields().xmax.text, "504,00");
  EXPECT_EQ(page.csvText().substr(0, 21), "1,2,3,4,5,6,7,8,9,10,");
  EXPECT_EQ(page.gridText().substr(0, 24), "1\t2\t3\t4\t5\t6\t7\t8\t9\t10\t11\n");
}

TEST_F(Scratch, PastedDataAreReadAsTheDataWindowReadsThemAndOpenedWhenUsable) {
  web::PageSession page(folder("page"), kTable, kExample, ',');
  const web::PageSession::PasteReply refused = page.paste("Масса\nнет чисел\n");
  EXPECT_FALSE(refused.opened);
  EXPECT_NE(refused.report.find("Пропущена строка 1"), std::string::npos);
  EXPECT_EQ(page.state().FileName, "Input.txt");  // the run shown stays

  const web::PageSession::PasteReply read =
      page.paste("№;Масса\n1;167,2\n2;170,4\n3;168,9\n4;171,5\n5;166,0\n");
  EXPECT_TRUE(read.opened);
  EXPECT_NE(read.report.find("Значений 5, от 166 до 171.5; десятичный разделитель — запятая"),
            std::string::npos);
  EXPECT_EQ(page.state().FileName, web::kPastedSampleName);
  EXPECT_EQ(page.state().SampleCount, 5);
  // The file opened is the one tarnek-cli --to-sample writes.
  const std::string saved = readFile(folder("page") + "/" + web::kPastedSampleName);
  EXPECT_EQ(saved.substr(saved.find('\n') + 1), "167.2 170.4 168.9 171.5 166\n");
}

TEST_F(Scratch, AnalyseGivesTarnekCliLineAndRefusesNamesOutsideItsFolder) {
  web::SampleAnalysis request;
  request.sampleText = readFile(kExample);
  request.fileName = "sub/Выборка.txt";
  request.flags = {{"--h", "0.5"}};
  request.decimalSeparator = ',';
  const web::AnalysisReply reply = web::analyseSample(request, folder("analysis"), kTable);
  EXPECT_EQ(reply.status, 0);
  fs::create_directories(folder("cli") + "/sub");
  std::ofstream(folder("cli") + "/sub/Выборка.txt", std::ios::binary) << request.sampleText;
  EXPECT_EQ(reply.json, cliLine(folder("cli"), "sub/Выборка.txt", {"--h", "0.5"}, ','));
  EXPECT_TRUE(fs::is_empty(folder("analysis") + "/sample"));  // nothing is left behind

  request.tableText = "1 2 3";
  EXPECT_NE(web::analyseSample(request, folder("analysis"), kTable)
                .json.find("\"messages\":[\"Не правильный формат таблицы\"]"),
            std::string::npos);
  for (const char* name : {"/etc/x.txt", "../x.txt", "a/../../x.txt"}) {
    request.fileName = name;
    const web::AnalysisReply refused = web::analyseSample(request, folder("analysis"), kTable);
    EXPECT_EQ(refused.status, cli::kExitUsage) << name;
    EXPECT_TRUE(refused.json.empty()) << name;
  }
  request.fileName = "x.txt";
  request.flags = {{"--h", "abc"}};
  EXPECT_EQ(web::analyseSample(request, folder("analysis"), kTable).status, cli::kExitUsage);
}

}  // namespace
