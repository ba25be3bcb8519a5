// Tests of reading the tarnek-cli command line.
#include "cli/cli_options.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <regex>

namespace cli {
namespace {

using Kind = ParsedCommandLine::Kind;

TEST(ParseCommandLine, TellsRunsHelpAndUsageErrorsApart) {
  const std::pair<std::vector<std::string>, Kind> cases[] = {
      {{"a.txt"}, Kind::Run},
      {{"--xmin", "-5", "a.txt"}, Kind::Run},
      {{"--", "--json"}, Kind::Run},
      {{"-"}, Kind::Run},
      {{"a.txt", "--help", "--bogus"}, Kind::Help},
      {{}, Kind::UsageError},
      {{"--json"}, Kind::UsageError},
      {{"-x", "a.txt"}, Kind::UsageError},
      {{"a.txt", "--h"}, Kind::UsageError},
      {{"a.txt", "--table"}, Kind::UsageError},
      {{"--h", "1,5", "a.txt"}, Kind::Run},
      {{"--h", "1,234.5", "a.txt"}, Kind::UsageError},
      {{"--to-sample", "o.txt", "a.txt"}, Kind::Run},
      {{"--to-sample", "o.txt", "--grouped", "--decimal", "comma", "a.txt"}, Kind::Run},
      {{"--to-sample", "o.txt", "--column", "2", "--h", "2,5", "a.txt"}, Kind::Run},
      {{"--to-sample", "o.txt", "a.txt", "b.txt"}, Kind::UsageError},
      {{"--to-sample", "o.txt"}, Kind::UsageError},
      {{"--to-sample", "o.txt", "--json", "a.txt"}, Kind::UsageError},
      {{"--to-sample", "o.txt", "--xmin", "1", "a.txt"}, Kind::UsageError},
      {{"--to-sample", "o.txt", "--grouped", "--h", "2", "a.txt"}, Kind::UsageError},
      {{"--to-sample", "o.txt", "--h", "-1", "a.txt"}, Kind::UsageError},
      {{"--to-sample", "o.txt", "--column", "0", "a.txt"}, Kind::UsageError},
      {{"--to-sample", "o.txt", "--column", "2x", "a.txt"}, Kind::UsageError},
      {{"--to-sample", "o.txt", "--decimal", "dot", "a.txt"}, Kind::UsageError},
      {{"--column", "2", "a.txt"}, Kind::UsageError},
      {{"--grouped", "a.txt"}, Kind::UsageError},
      {{"--docx", "out.docx", "a.txt"}, Kind::Run},
      {{"--docx", "out.docx", "a.txt", "b.txt"}, Kind::UsageError},
      {{"--solution", "--json", "a.txt"}, Kind::Run},
      {{"--solution", "--csv", "a.txt"}, Kind::UsageError},
      {{"--pdf", "out.pdf", "--chart", "out.SVG", "--docx", "out.docx", "a.txt"}, Kind::Run},
      {{"--pdf", "a.txt"}, Kind::UsageError},
      {{"--chart", "out.gif", "a.txt"}, Kind::UsageError},
      {{"--chart", "out.png/", "a.txt"}, Kind::UsageError},
      {{"--docx", "same", "--pdf", "./same", "a.txt"}, Kind::UsageError},
      {{"--to-sample", "o.txt", "--pdf", "r.pdf", "a.txt"}, Kind::UsageError},
      {{"--to-sample", "o.txt", "--chart", "c.png", "a.txt"}, Kind::UsageError},
  };
  for (const auto& [args, expected] : cases) {
    std::string joined;
    for (const auto& arg : args) joined += "[" + arg + "]";
    const ParsedCommandLine parsed = parseCommandLine(args);
    EXPECT_EQ(parsed.kind, expected) << joined;
    EXPECT_EQ(parsed.error.empty(), expected != Kind::UsageError) << joined;
  }
}

TEST(ParseCommandLine, KeepsTheSampleOptions) {
  const ParsedCommandLine parsed = parseCommandLine(
      {"--to-sample", "o.txt", "--column", "3", "--decimal", "point", "--h", "1,5", "in.csv"});
  ASSERT_EQ(parsed.kind, Kind::Run) << parsed.error;
  EXPECT_EQ(parsed.options.toSample, "o.txt");
  EXPECT_EQ(parsed.options.column, 3);
  EXPECT_EQ(parsed.options.decimal, engine::DataReadOptions::Decimal::Point);
  EXPECT_EQ(parsed.options.intervalLength, 1.5f);
  EXPECT_FALSE(parsed.options.grouped);
  EXPECT_EQ(parsed.options.files, (std::vector<std::string>{"in.csv"}));
}

TEST(ParseCommandLine, KeepsValuesAndFilesInOrder) {
  const ParsedCommandLine parsed =
      parseCommandLine({"b.txt", "--table", "t.txt", "--h", "0.1", "--xmin", "-5", "--json",
                        "a.txt", "--", "--xmax"});
  ASSERT_EQ(parsed.kind, Kind::Run);
  EXPECT_EQ(parsed.options.tablePath, "t.txt");
  EXPECT_EQ(parsed.options.intervalLength, 0.1f);
  EXPECT_EQ(parsed.options.xmin, -5.0f);
  EXPECT_FALSE(parsed.options.xmax.has_value());
  EXPECT_TRUE(parsed.options.json);
  EXPECT_EQ(parsed.options.files, (std::vector<std::string>{"b.txt", "a.txt", "--xmax"}));
}

// Each option sets its own field and no other: a switch or a value given to the wrong field
// would pass the checks above.
TEST(ParseCommandLine, EachOptionSetsItsOwnField) {
  const ParsedCommandLine outputs =
      parseCommandLine({"--solution", "--json", "--docx", "r.docx", "--pdf", "r.pdf", "--chart",
                        "c.svg", "--xmax", "7,5", "a.txt"});
  ASSERT_EQ(outputs.kind, Kind::Run) << outputs.error;
  EXPECT_TRUE(outputs.options.solution);
  EXPECT_TRUE(outputs.options.json);
  EXPECT_FALSE(outputs.options.csv);
  EXPECT_FALSE(outputs.options.grouped);
  EXPECT_EQ(outputs.options.docxPath, "r.docx");
  EXPECT_EQ(outputs.options.pdfPath, "r.pdf");
  EXPECT_EQ(outputs.options.chartPath, "c.svg");
  EXPECT_FALSE(outputs.options.tablePath.has_value());
  EXPECT_FALSE(outputs.options.toSample.has_value());
  EXPECT_EQ(outputs.options.xmax, 7.5f);
  EXPECT_FALSE(outputs.options.xmin.has_value());
  EXPECT_FALSE(outputs.options.intervalLength.has_value());

  const ParsedCommandLine sample =
      parseCommandLine({"--grouped", "--to-sample", "o.txt", "in.txt"});
  ASSERT_EQ(sample.kind, Kind::Run) << sample.error;
  EXPECT_TRUE(sample.options.grouped);
  EXPECT_EQ(sample.options.toSample, "o.txt");
  EXPECT_FALSE(sample.options.json || sample.options.csv || sample.options.solution);

  const ParsedCommandLine csv = parseCommandLine({"--csv", "a.txt"});
  ASSERT_EQ(csv.kind, Kind::Run) << csv.error;
  EXPECT_TRUE(csv.options.csv);
  EXPECT_FALSE(csv.options.json || csv.options.solution || csv.options.grouped);
}

// The messages name the option and the value that was refused.
TEST(ParseCommandLine, UsageErrorsNameTheOptionAndTheValue) {
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"--bogus", "a.txt"}, "unknown option --bogus"},
      {{"a.txt", "--pdf"}, "--pdf needs a value"},
      {{"--xmin", "x", "a.txt"}, "--xmin: not a number: x"},
      {{"--h", "1e99", "a.txt"}, "--h: not a number: 1e99"},
      {{"--chart", "c.gif", "a.txt"}, "--chart: the name must end in .png, .svg or .pdf: c.gif"},
      {{"--to-sample", "o", "--column", "0", "a"}, "--column: not a column number: 0"},
      {{"--to-sample", "o", "--decimal", "dot", "a"},
       "--decimal takes auto, point or comma, not dot"},
  };
  for (const auto& [args, message] : cases) {
    const ParsedCommandLine parsed = parseCommandLine(args);
    EXPECT_EQ(parsed.kind, Kind::UsageError) << message;
    EXPECT_EQ(parsed.error, message);
  }
}

TEST(ParseCommandLine, SettingsTakeOnlyTheirChoices) {
  using engine::CoefficientSource;
  using engine::Reliability;
  using engine::SignificanceLevel;
  struct Case {
    std::vector<std::string> args;
    bool valid;
    SignificanceLevel alpha = SignificanceLevel::FivePercent;
    Reliability gamma = Reliability::NinetyFive;
    CoefficientSource coefficients = CoefficientSource::Method;
  };
  const Case cases[] = {
      {{"a.txt"}, true},
      {{"--alpha", "0.01", "a.txt"}, true, SignificanceLevel::OnePercent},
      {{"--alpha", "0.025", "a.txt"}, true, SignificanceLevel::TwoAndAHalfPercent},
      {{"--alpha", "0.050", "a.txt"}, true},  // the same number
      {{"--gamma", "0.999", "--coefficients", "sample", "a.txt"},
       true,
       SignificanceLevel::FivePercent,
       Reliability::NinetyNinePointNine,
       CoefficientSource::Sample},
      {{"--gamma", "0.99", "--coefficients", "method", "a.txt"},
       true,
       SignificanceLevel::FivePercent,
       Reliability::NinetyNine},
      // The last of two wins, as with every option that takes a value.
      {{"--alpha", "0.01", "--alpha", "0.05", "a.txt"}, true},
      {{"--alpha", "0.1", "a.txt"}, false},
      {{"--alpha", "0,05", "a.txt"}, false},
      {{"--alpha", "5%", "a.txt"}, false},
      {{"--gamma", "0.9", "a.txt"}, false},
      {{"--gamma", "95", "a.txt"}, false},
      {{"--coefficients", "Sample", "a.txt"}, false},
      {{"--coefficients", "", "a.txt"}, false},
      {{"a.txt", "--alpha"}, false},
  };
  for (const Case& c : cases) {
    std::string joined;
    for (const auto& arg : c.args) joined += "[" + arg + "]";
    const ParsedCommandLine parsed = parseCommandLine(c.args);
    EXPECT_EQ(parsed.kind, c.valid ? Kind::Run : Kind::UsageError) << joined;
    if (!c.valid) continue;
    EXPECT_EQ(parsed.options.alpha, c.alpha) << joined;
    EXPECT_EQ(parsed.options.gamma, c.gamma) << joined;
    EXPECT_EQ(parsed.options.coefficients, c.coefficients) << joined;
  }
}

TEST(Usage, TheManualPageListsEveryOptionTheUsageNames) {
  std::ifstream page(TARNEK_SOURCE_DIR "/dist/man/tarnek-cli.1");
  ASSERT_TRUE(page.is_open());
  const std::string manual((std::istreambuf_iterator<char>(page)), {});
  const std::regex option("--[a-z][a-z-]*");
  const std::string usage = kUsage;
  int options = 0;
  for (auto it = std::sregex_iterator(usage.begin(), usage.end(), option);
       it != std::sregex_iterator(); ++it, ++options) {
    // Roff writes each "-" as "\-"; an option is listed where it opens an entry (.TP) of its
    // own, in bold with or without its value.
    std::string escaped;
    for (const char c : it->str()) escaped += c == '-' ? std::string("\\\\-") : std::string(1, c);
    const std::regex entry("\\.TP\\n\\.B[IR]? " + escaped + "( |\\n)");
    EXPECT_TRUE(std::regex_search(manual, entry)) << it->str();
  }
  EXPECT_GE(options, 16);
}

TEST(ChartExportKind, FollowsTheSuffixInAnyCase) {
  const std::pair<const char*, std::optional<ExportKind>> cases[] = {
      {"c.png", ExportKind::ChartPng},       {"C.PNG", ExportKind::ChartPng},
      {"dir.x/c.Svg", ExportKind::ChartSvg}, {"c.pdf", ExportKind::ChartPdf},
      {"c.png.txt", std::nullopt},           {"png", std::nullopt},
      {"dir.png/c", std::nullopt},           {"c.", std::nullopt},
  };
  for (const auto& [path, kind] : cases) EXPECT_EQ(chartExportKind(path), kind) << path;
}

TEST(ParseStoredNumber, ReadsFiniteNumbersWithAPointOrAComma) {
  const std::pair<const char*, std::optional<float>> cases[] = {
      {"-0.5", -0.5f},           {"1e3", 1000.0f},
      {"12.345", 12.345f},       {"1,5", 1.5f},
      {"-0,25e1", -2.5f},        {"1,234.5", std::nullopt},
      {"1.234,5", std::nullopt}, {"1,2,3", std::nullopt},
      {",", std::nullopt},       {"1.5x", std::nullopt},
      {" 1", std::nullopt},      {"0x10", std::nullopt},
      {"inf", std::nullopt},     {"nan", std::nullopt},
      {"1e39", std::nullopt},  // finite as a double, infinite once stored
      {"1e400", std::nullopt},   {"", std::nullopt},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(parseStoredNumber(text), expected) << text;
}

TEST(ParseStoredNumber, RoundsThroughDoubleToTheStoredFloat) {
  // Just above 1 + 2^-24, the midpoint between the floats 1 and 1 + 2^-23:
  // read directly as a float it rounds up; as a double it lands on the
  // midpoint, which then rounds to even, down to 1. The window's conversion
  // goes through double.
  EXPECT_EQ(parseStoredNumber("1.0000000596046447754"), 1.0f);
}

}  // namespace
}  // namespace cli
