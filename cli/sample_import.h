// tarnek-cli --to-sample: data as students have them, written as a sample file.
#pragma once

#include <ostream>
#include <string>

#include "cli/cli_options.h"
#include "engine/data_reader.h"
#include "engine/output/recognition_report.h"

namespace cli {

using engine::ChosenLength;
using engine::recognitionReport;

// --h, else the length the data held (a grouped series', or a sample file's
// first number), else Sturges' rule over the values.
ChosenLength chooseLength(const engine::DataRead& read, const CliOptions& options);

// Reads the one FILE as the data window reads it and writes options.toSample
// as the window saves it, through a file that replaces the target whole.
// The report goes to `err`. Returns 0 when written, 1 when the input could
// not be read, held nothing usable or the output could not be written, 2
// when the output is the input itself.
int writeSample(const CliOptions& options, std::ostream& err);

}  // namespace cli
