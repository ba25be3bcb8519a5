// The command line of tarnek-cli: what it asks for, and how it is read.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "cli/report_export.h"
#include "engine/analysis_settings.h"
#include "engine/data_reader.h"
#include "engine/output/sample_run.h"

namespace cli {

struct CliOptions {
  // --table; without it the table is found as the window finds it.
  std::optional<std::string> tablePath;
  // Replacements for the loaded values, applied before a second run.
  std::optional<float> intervalLength;
  std::optional<float> xmin;
  std::optional<float> xmax;
  // --alpha, --gamma, --coefficients: for every run of the invocation.
  engine::SignificanceLevel alpha = engine::SignificanceLevel::FivePercent;
  engine::Reliability gamma = engine::Reliability::NinetyFive;
  engine::CoefficientSource coefficients = engine::CoefficientSource::Method;
  bool json = false;
  bool csv = false;       // the grouped table as CSV instead of the report; excludes json
  bool solution = false;  // the worked solution after the grid, in JSON and in the report
  // Where --docx and --pdf write the report of the one FILE, and --chart its chart.
  std::optional<std::string> docxPath;
  std::optional<std::string> pdfPath;
  std::optional<std::string> chartPath;
  std::vector<std::string> files;
  // --to-sample: write the one FILE's data as a sample file there instead of analysing it.
  std::optional<std::string> toSample;
  std::optional<int32_t> column;  // --column N, 1-based
  bool grouped = false;           // --grouped
  engine::DataReadOptions::Decimal decimal = engine::DataReadOptions::Decimal::Auto;

  bool hasOverrides() const { return intervalLength || xmin || xmax; }
};

// The files the options ask to write, each with its option's name, in the order --docx, --pdf,
// --chart.
std::vector<std::pair<std::string, std::string>> outputs(const CliOptions& options);

struct ParsedCommandLine {
  enum class Kind { Run, Help, UsageError };
  Kind kind = Kind::Run;
  CliOptions options;
  std::string error;  // set for UsageError
};

// Reads the arguments after the program name. Values are taken from the next
// argument even when it starts with "-", so "--xmin -5" works; "--" ends the
// options. Never throws.
ParsedCommandLine parseCommandLine(const std::vector<std::string>& args);

// What --chart writes, by the name's suffix in any case: ".png", ".svg" or ".pdf"; nullopt for
// any other name.
std::optional<ExportKind> chartExportKind(const std::string& path);

using engine::kUsage;
using engine::parseStoredNumber;

}  // namespace cli
