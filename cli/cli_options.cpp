// Hand-written reading of the tarnek-cli command line.
#include "cli/cli_options.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <filesystem>

#include "engine/stored.h"

namespace cli {

const char* const kUsage =
    "Usage: tarnek-cli [--table PATH] [--h H] [--xmin A] [--xmax B] [--json | --csv]\n"
    "                  [--docx OUT.docx] [--pdf OUT.pdf] [--chart OUT.png|OUT.svg|OUT.pdf]\n"
    "                  [--] FILE...\n"
    "Analyses each sample FILE as the window's first run and prints its log and grid.\n"
    "\n"
    "  --table PATH    critical-point table (default ./exttable.txt, else the installed one)\n"
    "  --h H           interval length for a second run on the loaded sample\n"
    "  --xmin A        lower bound of the range for that second run\n"
    "  --xmax B        upper bound of the range for that second run\n"
    "  --json          one JSON object per FILE, one per line\n"
    "  --csv           the grouped table of each FILE as CSV, a blank line between files\n"
    "  --docx OUT.docx also write the Word report of the one FILE to OUT.docx, when FILE\n"
    "                  could be opened; an existing OUT.docx is replaced whole, keeping its\n"
    "                  permissions; OUT.docx may not be FILE or the table, nor anything\n"
    "                  but a regular file\n"
    "  --pdf OUT.pdf   the same report as PDF (A4), under the same rules\n"
    "  --chart OUT     the chart alone, under the same rules: OUT.png at twice the\n"
    "                  window's pixel density, OUT.svg or OUT.pdf as vector drawings\n"
    "  --help          this text\n"
    "  --              end of options: every later argument is a FILE\n"
    "\n"
    "Numbers use \".\" as the decimal point. Exit status: 0 when the table and every FILE\n"
    "were read, 1 when the table could not be loaded or is malformed, a FILE could not be\n"
    "opened, a report or chart not written or the output failed, 2 for a usage error or an\n"
    "output (--docx, --pdf, --chart) that is an input file.\n";

std::optional<float> parseStoredNumber(const std::string& text) {
  // Parsed as double, then stored, as the window's text-to-real conversion does.
  double value = 0.0;
  const char* first = text.data();
  const char* last = first + text.size();
  const auto [end, error] = std::from_chars(first, last, value);
  if (error != std::errc() || end != last) return std::nullopt;
  const float result = engine::stored(value);
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

ParsedCommandLine usageError(std::string message) {
  ParsedCommandLine parsed;
  parsed.kind = ParsedCommandLine::Kind::UsageError;
  parsed.error = std::move(message);
  return parsed;
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
    if (arg == "--help") {
      parsed.kind = ParsedCommandLine::Kind::Help;
      return parsed;
    }
    if (arg == "--json") {
      options.json = true;
      continue;
    }
    if (arg == "--csv") {
      options.csv = true;
      continue;
    }
    const bool takesValue = arg == "--table" || arg == "--h" || arg == "--xmin" ||
                            arg == "--xmax" || arg == "--docx" || arg == "--pdf" ||
                            arg == "--chart";
    if (!takesValue) return usageError("unknown option " + arg);
    if (i + 1 >= args.size()) return usageError(arg + " needs a value");
    const std::string& value = args[++i];
    if (arg == "--docx") {
      options.docxPath = value;
      continue;
    }
    if (arg == "--pdf") {
      options.pdfPath = value;
      continue;
    }
    if (arg == "--chart") {
      if (!chartExportKind(value))
        return usageError("--chart: the name must end in .png, .svg or .pdf: " + value);
      options.chartPath = value;
      continue;
    }
    if (arg == "--table") {
      options.tablePath = value;
      continue;
    }
    const std::optional<float> number = parseStoredNumber(value);
    if (!number) return usageError(arg + ": not a number: " + value);
    if (arg == "--h")
      options.intervalLength = number;
    else if (arg == "--xmin")
      options.xmin = number;
    else
      options.xmax = number;
  }
  if (options.files.empty()) return usageError("no FILE given");
  if (options.json && options.csv) return usageError("--json and --csv cannot be combined");
  for (const auto& [name, path] : outputs(options)) {
    if (options.files.size() > 1) return usageError(name + " takes exactly one FILE");
    for (const auto& [otherName, otherPath] : outputs(options)) {
      if (otherName != name && std::filesystem::path(otherPath).lexically_normal() ==
                                   std::filesystem::path(path).lexically_normal())
        return usageError(name + " and " + otherName + " name the same file: " + path);
    }
  }
  return parsed;
}

}  // namespace cli
