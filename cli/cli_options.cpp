// Hand-written reading of the tarnek-cli command line.
#include "cli/cli_options.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <filesystem>

namespace cli {

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
  if (option == "--coefficients")
    return engine::readCoefficientSource(option, value, options.coefficients);
  if (option == "--alpha") return engine::readLevel(option, value, options.alpha);
  return engine::readReliability(option, value, options.gamma);
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
      if (const auto error = engine::readStoredNumber(arg, value, options.*numberOption->field))
        return usageError(*error);
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
