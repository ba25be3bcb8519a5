// One sample analysed as tarnek-cli --json analyses each FILE: the values of its options that
// set the run, the run itself, and its JSON line. The companion's batch and the page's
// window.tarnek.analyse both run through here.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "engine/analysis_settings.h"
#include "engine/critical_points.h"
#include "engine/process_file.h"
#include "engine/recorded_view.h"
#include "engine/run_result.h"

namespace engine {

// tarnek-cli's exit statuses.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFileNotOpened = 1;
inline constexpr int kExitUsage = 2;

// What --h, --xmin, --xmax, --alpha, --gamma and --coefficients set for a run.
struct SampleSettings {
  // Replacements for the loaded values, applied before a second run.
  std::optional<float> intervalLength;
  std::optional<float> xmin;
  std::optional<float> xmax;
  SignificanceLevel alpha = SignificanceLevel::FivePercent;
  Reliability gamma = Reliability::NinetyFive;
  CoefficientSource coefficients = CoefficientSource::Method;

  bool hasOverrides() const { return intervalLength || xmin || xmax; }
};

// A finite number with "." or "," as the decimal separator (never a group
// separator: "1,234.5" is no number), the whole text consumed, rounded to the
// float it is stored as; nullopt otherwise.
std::optional<float> parseStoredNumber(const std::string& text);

// Each reads the value of `option` as tarnek-cli does and sets the target; the usage error's
// message, naming the option and the value, when the value is not one the option takes.
std::optional<std::string> readStoredNumber(const std::string& option, const std::string& value,
                                            std::optional<float>& target);
std::optional<std::string> readLevel(const std::string& option, const std::string& value,
                                     SignificanceLevel& target);
std::optional<std::string> readReliability(const std::string& option, const std::string& value,
                                           Reliability& target);
std::optional<std::string> readCoefficientSource(const std::string& option,
                                                 const std::string& value,
                                                 CoefficientSource& target);
// Any one of the six options above by its name ("--h"); "unknown option" for another name.
std::optional<std::string> readSampleFlag(const std::string& option, const std::string& value,
                                          SampleSettings& settings);

// tarnek-cli's usage text, and what it writes to standard error for a usage error: the message,
// a blank line and the usage text.
extern const char* const kUsage;
std::string usageErrorText(const std::string& message);

// The window's first run on `file` with a fresh state holding `table`; when
// the settings hold --h/--xmin/--xmax, those replace the loaded values and the
// analysis runs again on the sample in memory, into the same view, as the
// options dialog's Apply does. Returns the first run's outcome, which tells
// whether the file could be opened. A non-null `result` receives the numbers
// of the run the view shows last.
RunOutcome analyseFile(const std::string& file, const CriticalPointTable& table,
                       const SampleSettings& settings, char decimalSeparator, RecordedView& view,
                       RunResult* result = nullptr);

// The critical-point table as a batch reads it once for all its files.
struct LoadedTable {
  CriticalPointTable table;
  std::vector<std::string> messages;  // what loading showed, for every file's JSON and the log
  bool loaded = false;                // false when it could not be read or had a format fault
};
LoadedTable loadTable(const std::string& path);

// What tarnek-cli writes to standard error when `file` could not be opened, `reason` being the
// system's.
std::string cannotOpenText(const std::string& file, const std::string& reason);

// tarnek-cli --json --table TABLE [OPTION VALUE]... -- FILE, for one FILE: `options` are
// (name, value) pairs of the six options above, read in order. Appends the JSON line to `out`
// and to `err` what the companion writes there (`whyNotOpened` gives the system's reason for a
// file that could not be opened). Returns the exit status: kExitUsage, with nothing read, for
// an option's bad value, else kExitFileNotOpened when the table or the file failed, else kExitOk.
int runJsonSample(const std::string& tablePath, const std::string& file,
                  const std::vector<std::pair<std::string, std::string>>& options,
                  char decimalSeparator, std::string& out, std::string& err,
                  const std::function<std::string(const std::string&)>& whyNotOpened);

}  // namespace engine
