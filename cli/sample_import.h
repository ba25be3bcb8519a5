// tarnek-cli --to-sample: data as students have them, written as a sample file.
#pragma once

#include <ostream>
#include <string>

#include "cli/cli_options.h"
#include "engine/data_reader.h"

namespace cli {

// The interval length to write and where it came from.
struct ChosenLength {
  float length = 1.0f;
  int32_t intervals = 1;  // k it gives the analysis
  enum class Source { Option, Data, Sturges } source = Source::Sturges;
};

// --h, else the length the data held (a grouped series', or a sample file's
// first number), else Sturges' rule over the values.
ChosenLength chooseLength(const engine::DataRead& read, const CliOptions& options);

// What was recognised, skipped and found, one line each, as the data window lists it.
std::string recognitionReport(const engine::DataRead& read, const ChosenLength* length);

// Reads the one FILE as the data window reads it and writes options.toSample
// as the window saves it, through a file that replaces the target whole.
// The report goes to `err`. Returns 0 when written, 1 when the input could
// not be read, held nothing usable or the output could not be written, 2
// when the output is the input itself.
int writeSample(const CliOptions& options, std::ostream& err);

}  // namespace cli
