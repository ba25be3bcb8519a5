// One sample analysed as tarnek-cli --json analyses each FILE.
#include "engine/output/sample_run.h"

#include <charconv>
#include <cmath>

#include "engine/analysis_state.h"
#include "engine/output/file_report.h"
#include "engine/stored.h"

namespace engine {

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
  const float result = stored(*value);
  if (!std::isfinite(result)) return std::nullopt;
  return result;
}

std::optional<std::string> readStoredNumber(const std::string& option, const std::string& value,
                                            std::optional<float>& target) {
  const std::optional<float> number = parseStoredNumber(value);
  if (!number) return std::string(option).append(": not a number: ").append(value);
  target = number;
  return std::nullopt;
}

namespace {

// Stores `choice` in `target`; without one, the message names the option's choices.
template <typename Setting>
std::optional<std::string> storeChoice(const std::optional<Setting>& choice, Setting& target,
                                       const std::string& option, const std::string& value,
                                       const char* choices) {
  if (!choice) return option + " must be " + choices + ": " + value;
  target = *choice;
  return std::nullopt;
}

// The setting a number names, by `settingOf`; none when the text is not a number.
template <typename Setting>
std::optional<Setting> settingOfNumber(const std::string& value,
                                       std::optional<Setting> (*settingOf)(double)) {
  const std::optional<double> number = parseDouble(value);
  return number ? settingOf(*number) : std::nullopt;
}

}  // namespace

std::optional<std::string> readLevel(const std::string& option, const std::string& value,
                                     SignificanceLevel& target) {
  return storeChoice(settingOfNumber(value, levelOf), target, option, value, "0.05, 0.025 or 0.01");
}

std::optional<std::string> readReliability(const std::string& option, const std::string& value,
                                           Reliability& target) {
  return storeChoice(settingOfNumber(value, reliabilityOf), target, option, value,
                     "0.95, 0.99 or 0.999");
}

std::optional<std::string> readCoefficientSource(const std::string& option,
                                                 const std::string& value,
                                                 CoefficientSource& target) {
  return storeChoice(coefficientSourceOf(value), target, option, value, "method or sample");
}

std::optional<std::string> readSampleFlag(const std::string& option, const std::string& value,
                                          SampleSettings& settings) {
  if (option == "--h") return readStoredNumber(option, value, settings.intervalLength);
  if (option == "--xmin") return readStoredNumber(option, value, settings.xmin);
  if (option == "--xmax") return readStoredNumber(option, value, settings.xmax);
  if (option == "--alpha") return readLevel(option, value, settings.alpha);
  if (option == "--gamma") return readReliability(option, value, settings.gamma);
  if (option == "--coefficients")
    return readCoefficientSource(option, value, settings.coefficients);
  return "unknown option " + option;
}

std::string usageErrorText(const std::string& message) {
  return "tarnek-cli: " + message + "\n\n" + kUsage;
}

RunOutcome analyseFile(const std::string& file, const CriticalPointTable& table,
                       const SampleSettings& settings, char decimalSeparator, RecordedView& view,
                       RunResult* result) {
  const auto run = [&](AnalysisState& state) {
    return result ? ProcessFile(state, view, decimalSeparator, *result)
                  : ProcessFile(state, view, decimalSeparator);
  };
  AnalysisState state;
  state.CriticalPoints = table;
  state.FileName = file;
  state.FileChanged = true;
  state.Alpha = settings.alpha;
  state.Gamma = settings.gamma;
  state.Coefficients = settings.coefficients;
  const RunOutcome first = run(state);
  // A file that could not be opened keeps its one line: a rerun on no sample would hide it.
  if (settings.hasOverrides() && first != RunOutcome::FileNotOpened) {
    if (settings.intervalLength) state.IntervalLength = *settings.intervalLength;
    if (settings.xmin) state.Xmin = *settings.xmin;
    if (settings.xmax) state.Xmax = *settings.xmax;
    state.FileChanged = false;  // already cleared by the load; the second run must not read
    run(state);
  }
  return first;
}

LoadedTable loadTable(const std::string& path) {
  LoadedTable loaded;
  RecordedView view;
  // Every file is still analysed against what was read, but the status says the table failed.
  loaded.loaded = loadCriticalPoints(path, loaded.table, view) == TableLoad::Loaded;
  loaded.messages = view.messages();
  return loaded;
}

std::string cannotOpenText(const std::string& file, const std::string& reason) {
  return "tarnek-cli: cannot open " + file + ": " + reason + '\n';
}

int runJsonSample(const std::string& tablePath, const std::string& file,
                  const std::vector<std::pair<std::string, std::string>>& options,
                  char decimalSeparator, std::string& out, std::string& err,
                  const std::function<std::string(const std::string&)>& whyNotOpened) {
  SampleSettings settings;
  for (const auto& [option, value] : options) {
    if (const std::optional<std::string> error = readSampleFlag(option, value, settings)) {
      err += usageErrorText(*error);
      return kExitUsage;
    }
  }
  const LoadedTable table = loadTable(tablePath);
  for (const std::string& message : table.messages) err += message + '\n';
  int status = table.loaded ? kExitOk : kExitFileNotOpened;
  RecordedView view;
  RunResult result;
  if (analyseFile(file, table.table, settings, decimalSeparator, view, &result) ==
      RunOutcome::FileNotOpened) {
    status = kExitFileNotOpened;
    err += cannotOpenText(file, whyNotOpened(file));
  }
  appendJsonReport(out, file, table.messages, view, &result);
  return status;
}

}  // namespace engine
