// Hand-written reading of the tarnek-cli command line.
#include "cli/cli_options.h"

#include <charconv>
#include <cmath>

#include "engine/stored.h"

namespace cli {

const char* const kUsage =
    "Usage: tarnek-cli [--table PATH] [--h H] [--xmin A] [--xmax B] [--alpha A] [--gamma G]\n"
    "                  [--coefficients method|sample] [--json | --csv] [--solution]\n"
    "                  [--docx OUT.docx] [--] FILE...\n"
    "Analyses each sample FILE as the window's first run and prints its log and grid.\n"
    "\n"
    "  --table PATH    critical-point table (default ./exttable.txt, else the installed one)\n"
    "  --h H           interval length for a second run on the loaded sample\n"
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
    "                  and after the log in the --docx report\n"
    "  --docx OUT.docx also write the Word report of the one FILE to OUT.docx, when FILE\n"
    "                  could be opened; an existing OUT.docx is replaced whole, keeping its\n"
    "                  permissions; OUT.docx may not be FILE or the table, nor anything\n"
    "                  but a regular file\n"
    "  --help          this text\n"
    "  --              end of options: every later argument is a FILE\n"
    "\n"
    "Numbers use \".\" as the decimal point. Exit status: 0 when the table and every FILE\n"
    "were read, 1 when the table could not be loaded or is malformed, a FILE could not be\n"
    "opened, the report not written or the output failed, 2 for a usage error or a --docx\n"
    "target that is an input file.\n";

namespace {

// A number with "." as the decimal point, the whole text consumed, in double.
std::optional<double> parseDouble(const std::string& text) {
  double value = 0.0;
  const char* first = text.data();
  const char* last = first + text.size();
  const auto [end, error] = std::from_chars(first, last, value);
  if (error != std::errc() || end != last) return std::nullopt;
  return value;
}

}  // namespace

std::optional<float> parseStoredNumber(const std::string& text) {
  // Parsed as double, then stored, as the window's text-to-real conversion does.
  const std::optional<double> value = parseDouble(text);
  if (!value) return std::nullopt;
  const float result = engine::stored(*value);
  if (!std::isfinite(result)) return std::nullopt;
  return result;
}

namespace {

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
    if (arg == "--solution") {
      options.solution = true;
      continue;
    }
    const bool setting = arg == "--alpha" || arg == "--gamma" || arg == "--coefficients";
    const bool takesValue = setting || arg == "--table" || arg == "--h" || arg == "--xmin" ||
                            arg == "--xmax" || arg == "--docx";
    if (!takesValue) return usageError("unknown option " + arg);
    if (i + 1 >= args.size()) return usageError(arg + " needs a value");
    const std::string& value = args[++i];
    if (setting) {
      if (const auto error = readSetting(arg, value, options)) return usageError(*error);
      continue;
    }
    if (arg == "--docx") {
      options.docxPath = value;
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
  if (options.solution && options.csv) return usageError("--solution and --csv cannot be combined");
  if (options.docxPath && options.files.size() > 1)
    return usageError("--docx takes exactly one FILE");
  return parsed;
}

}  // namespace cli
