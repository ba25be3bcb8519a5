// Hand-written reading of the tarnek-cli command line.
#include "cli/cli_options.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <filesystem>

#include "engine/stored.h"

namespace cli {

const char* const kUsage =
    "Usage: tarnek-cli [--table PATH] [--h H] [--xmin A] [--xmax B] [--alpha A] [--gamma G]\n"
    "                  [--coefficients method|sample] [--json | --csv] [--solution]\n"
    "                  [--docx OUT.docx] [--pdf OUT.pdf] [--chart OUT.png|OUT.svg|OUT.pdf]\n"
    "                  [--] FILE...\n"
    "       tarnek-cli --to-sample OUT.txt [--h H] [--column N] [--grouped]\n"
    "                  [--decimal auto|point|comma] [--] IN\n"
    "Analyses each sample FILE as the window's first run and prints its log and grid;\n"
    "with --to-sample, writes the data of IN as a sample file instead.\n"
    "\n"
    "  --table PATH    critical-point table (default ./exttable.txt, else the installed one)\n"
    "  --h H           interval length for a second run on the loaded sample; with\n"
    "                  --to-sample, the length written (default: Sturges' rule)\n"
    "  --xmin A        lower bound of the range for that second run\n"
    "  --xmax B        upper bound of the range for that second run\n"
    "  --alpha A       significance level of the test: 0.05 (default), 0.025 or 0.01\n"
    "  --gamma G       reliability of the confidence intervals: 0.95 (default), 0.99\n"
    "                  or 0.999\n"
    "  --coefficients method|sample\n"
    "                  t and q for a sample of 100 as the method has them (default),\n"
    "                  or for the sample's own size\n"
    "  --json          one JSON object per FILE, one per line\n"
    "  --csv           the grouped table of each FILE as CSV, a blank line between files\n"
    "  --solution      also the worked solution: after the grid, as \"solution\" in JSON,\n"
    "                  and after the log in the --docx and --pdf reports\n"
    "  --docx OUT.docx also write the Word report of the one FILE to OUT.docx, when FILE\n"
    "                  could be opened; an existing OUT.docx is replaced whole, keeping its\n"
    "                  permissions; OUT.docx may not be FILE or the table, nor anything\n"
    "                  but a regular file\n"
    "  --pdf OUT.pdf   the same report as PDF (A4), under the same rules\n"
    "  --chart OUT     the chart alone, under the same rules: OUT.png at twice the\n"
    "                  window's pixel density, OUT.svg or OUT.pdf as vector drawings\n"
    "  --to-sample OUT.txt  read IN as the data window reads pasted values (text, CSV or\n"
    "                  TSV; UTF-8 or UTF-16) and write it to OUT.txt as the window saves\n"
    "                  it; what was recognised and skipped goes to standard error\n"
    "  --column N      take the values from column N (default: the first column of\n"
    "                  numbers that is not a running index 1, 2, 3, ...)\n"
    "  --grouped       IN is a grouped series: rows \"a b n\", \"a-b n\", \"[a; b) n\" or \"x n\"\n"
    "  --decimal SEP   auto (\".\" and \",\" both, unless \",\" separates fields), point or\n"
    "                  comma\n"
    "  --help          this text\n"
    "  --              end of options: every later argument is a FILE\n"
    "\n"
    "Numbers on the command line take \".\" or \",\" as the decimal separator. Exit status:\n"
    "0 when the table and every FILE were read, 1 when the table could not be loaded or is\n"
    "malformed, a FILE could not be opened, IN held nothing usable, a report, chart or\n"
    "sample not written or the output failed, 2 for a usage error or an output file (--docx,\n"
    "--pdf, --chart, --to-sample) that is an input file.\n";

namespace {

// A number with "." as the decimal point, the whole text consumed, in double.
std::optional<double> parseDouble(const std::string& plain) {
  double value = 0.0;
  const char* first = plain.data();
  const char* last = first + plain.size();
  const auto [end, error] = std::from_chars(first, last, value);
  if (error != std::errc() || end != last) return std::nullopt;
  return value;
}

}  // namespace

std::optional<float> parseStoredNumber(const std::string& text) {
  // Parsed as double, then stored, as the window's text-to-real conversion does.
  // One "," and no "." is a decimal comma; any other comma makes the text no number.
  std::string plain = text;
  const size_t comma = plain.find(',');
  if (comma != std::string::npos) {
    if (plain.find(',', comma + 1) != std::string::npos || plain.find('.') != std::string::npos)
      return std::nullopt;
    plain[comma] = '.';
  }
  const std::optional<double> value = parseDouble(plain);
  if (!value) return std::nullopt;
  const float result = engine::stored(*value);
  if (!std::isfinite(result)) return std::nullopt;
  return result;
}

std::optional<ExportKind> chartExportKind(const std::string& path) {
  const size_t dot = path.rfind('.');
  if (dot == std::string::npos || path.find('/', dot) != std::string::npos) return std::nullopt;
  std::string suffix = path.substr(dot + 1);
  for (char& c : suffix) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (suffix == "png") return ExportKind::ChartPng;
  if (suffix == "svg") return ExportKind::ChartSvg;
  if (suffix == "pdf") return ExportKind::ChartPdf;
  return std::nullopt;
}

namespace {

// A column number 1, 2, … in plain decimal digits.
std::optional<int32_t> parseColumn(const std::string& text) {
  int32_t column = 0;
  const char* last = text.data() + text.size();
  const auto [end, error] = std::from_chars(text.data(), last, column);
  if (error != std::errc() || end != last || column < 1) return std::nullopt;
  return column;
}

std::optional<engine::DataReadOptions::Decimal> parseDecimal(const std::string& text) {
  using Decimal = engine::DataReadOptions::Decimal;
  if (text == "auto") return Decimal::Auto;
  if (text == "point") return Decimal::Point;
  if (text == "comma") return Decimal::Comma;
  return std::nullopt;
}

bool given(const std::vector<std::string>& seen, const char* option) {
  return std::find(seen.begin(), seen.end(), option) != seen.end();
}

// What --to-sample cannot be combined with, or what needs it.
std::optional<std::string> sampleOptionsProblem(const CliOptions& options,
                                                const std::vector<std::string>& seen) {
  if (!options.toSample) {
    for (const char* option : {"--column", "--grouped", "--decimal"})
      if (given(seen, option)) return std::string(option) + " needs --to-sample";
    return std::nullopt;
  }
  if (options.files.size() != 1) return std::string("--to-sample takes exactly one IN");
  for (const char* option : {"--table", "--xmin", "--xmax", "--alpha", "--gamma", "--coefficients",
                             "--json", "--csv", "--docx", "--pdf", "--chart"})
    if (given(seen, option)) return std::string(option) + " cannot be used with --to-sample";
  if (options.grouped && options.intervalLength)
    return std::string("--h cannot be used with --grouped: the series gives the interval length");
  if (options.grouped && options.column)
    return std::string("--column cannot be used with --grouped");
  if (options.intervalLength && !(*options.intervalLength > 0.0f))
    return std::string("--h must be above 0 for --to-sample");
  return std::nullopt;
}

// An option and the member of CliOptions it sets.
template <typename Value>
struct OptionField {
  const char* name;
  Value CliOptions::*field;
};

// The options that take no value: each turns its switch on.
constexpr OptionField<bool> kSwitchOptions[] = {
    {"--json", &CliOptions::json},
    {"--csv", &CliOptions::csv},
    {"--solution", &CliOptions::solution},
    {"--grouped", &CliOptions::grouped},
};

// The options whose value is a file name, kept as given.
constexpr OptionField<std::optional<std::string>> kPathOptions[] = {
    {"--table", &CliOptions::tablePath},    {"--docx", &CliOptions::docxPath},
    {"--pdf", &CliOptions::pdfPath},        {"--chart", &CliOptions::chartPath},
    {"--to-sample", &CliOptions::toSample},
};

// The options whose value is a number, kept as the window stores it.
constexpr OptionField<std::optional<float>> kNumberOptions[] = {
    {"--h", &CliOptions::intervalLength},
    {"--xmin", &CliOptions::xmin},
    {"--xmax", &CliOptions::xmax},
};

// The row of the option `arg` names, or none.
template <typename Row, size_t Count>
const Row* optionRow(const Row (&rows)[Count], const std::string& arg) {
  for (const Row& row : rows)
    if (arg == row.name) return &row;
  return nullptr;
}

ParsedCommandLine usageError(std::string message) {
  ParsedCommandLine parsed;
  parsed.kind = ParsedCommandLine::Kind::UsageError;
  parsed.error = std::move(message);
  return parsed;
}

// Sets one of the three settings from its value; an error message when it is none of the choices.
std::optional<std::string> readSetting(const std::string& option, const std::string& value,
                                       CliOptions& options) {
  if (option == "--coefficients") {
    const auto source = engine::coefficientSourceOf(value);
    if (!source) return option + " must be method or sample: " + value;
    options.coefficients = *source;
    return std::nullopt;
  }
  const std::optional<double> number = parseDouble(value);
  if (option == "--alpha") {
    const auto level = number ? engine::levelOf(*number) : std::nullopt;
    if (!level) return option + " must be 0.05, 0.025 or 0.01: " + value;
    options.alpha = *level;
    return std::nullopt;
  }
  const auto reliability = number ? engine::reliabilityOf(*number) : std::nullopt;
  if (!reliability) return option + " must be 0.95, 0.99 or 0.999: " + value;
  options.gamma = *reliability;
  return std::nullopt;
}

}  // namespace

std::vector<std::pair<std::string, std::string>> outputs(const CliOptions& options) {
  std::vector<std::pair<std::string, std::string>> named;
  if (options.docxPath) named.emplace_back("--docx", *options.docxPath);
  if (options.pdfPath) named.emplace_back("--pdf", *options.pdfPath);
  if (options.chartPath) named.emplace_back("--chart", *options.chartPath);
  return named;
}

ParsedCommandLine parseCommandLine(const std::vector<std::string>& args) {
  ParsedCommandLine parsed;
  CliOptions& options = parsed.options;
  bool optionsEnded = false;
  std::vector<std::string> seen;  // the options given, for the checks at the end
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
      options.files.push_back(arg);
      continue;
    }
    if (arg == "--") {
      optionsEnded = true;
      continue;
    }
    seen.push_back(arg);
    if (arg == "--help") {
      parsed.kind = ParsedCommandLine::Kind::Help;
      return parsed;
    }
    if (const auto* switchOption = optionRow(kSwitchOptions, arg)) {
      options.*switchOption->field = true;
      continue;
    }
    const bool setting = arg == "--alpha" || arg == "--gamma" || arg == "--coefficients";
    const auto* pathOption = optionRow(kPathOptions, arg);
    const auto* numberOption = optionRow(kNumberOptions, arg);
    const bool takesValue =
        setting || pathOption || numberOption || arg == "--column" || arg == "--decimal";
    if (!takesValue) return usageError("unknown option " + arg);
    if (i + 1 >= args.size()) return usageError(arg + " needs a value");
    const std::string& value = args[++i];
    if (setting) {
      if (const auto error = readSetting(arg, value, options)) return usageError(*error);
      continue;
    }
    if (pathOption) {
      if (arg == "--chart" && !chartExportKind(value))
        return usageError("--chart: the name must end in .png, .svg or .pdf: " + value);
      options.*pathOption->field = value;
      continue;
    }
    if (numberOption) {
      const std::optional<float> number = parseStoredNumber(value);
      if (!number) return usageError(std::string(arg).append(": not a number: ").append(value));
      options.*numberOption->field = number;
      continue;
    }
    if (arg == "--column") {
      const std::optional<int32_t> column = parseColumn(value);
      if (!column) return usageError("--column: not a column number: " + value);
      options.column = column;
      continue;
    }
    const std::optional<engine::DataReadOptions::Decimal> decimal = parseDecimal(value);
    if (!decimal) return usageError("--decimal takes auto, point or comma, not " + value);
    options.decimal = *decimal;
  }
  if (options.files.empty()) return usageError("no FILE given");
  if (const std::optional<std::string> problem = sampleOptionsProblem(parsed.options, seen))
    return usageError(*problem);
  if (options.json && options.csv) return usageError("--json and --csv cannot be combined");
  if (options.solution && options.csv) return usageError("--solution and --csv cannot be combined");
  for (const auto& [name, path] : outputs(options)) {
    if (options.files.size() > 1) return usageError(name + " takes exactly one FILE");
    for (const auto& [otherName, otherPath] : outputs(options)) {
      if (otherName != name && std::filesystem::path(otherPath).lexically_normal() ==
                                   std::filesystem::path(path).lexically_normal())
        return usageError(std::string(name)
                              .append(" and ")
                              .append(otherName)
                              .append(" name the same file: ")
                              .append(path));
    }
  }
  return parsed;
}

}  // namespace cli
