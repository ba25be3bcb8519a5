// tarnek-cli --to-sample: data as students have them, written as a sample file.
#include "cli/sample_import.h"

#include <fstream>

#include "engine/data_text.h"
#include "engine/input_file.h"
#include "engine/sample_writer.h"
#include "files/replace_file.h"

namespace cli {

namespace {

// Far above any data a window would show; a larger file is not data for 200 values.
constexpr std::streamsize kMaxInputBytes = std::streamsize{64} * 1024 * 1024;

}  // namespace

ChosenLength chooseLength(const engine::DataRead& read, const CliOptions& options) {
  return engine::chooseLength(read, options.intervalLength);
}

int writeSample(const CliOptions& options, std::ostream& err) {
  const std::string& input = options.files.front();
  const std::string& output = *options.toSample;
  if (files::namesAnInput(output, {input})) {
    err << "tarnek-cli: --to-sample " << output
        << " is the input file; writing would destroy it, so nothing was written\n";
    return 2;
  }
  std::ifstream in;
  if (!engine::openInputFile(input, in)) {
    err << "tarnek-cli: cannot read " << input << ": not a readable regular file\n";
    return 1;
  }
  std::string bytes;
  char chunk[64 * 1024];
  while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
    bytes.append(chunk, static_cast<size_t>(in.gcount()));
    if (bytes.size() > static_cast<size_t>(kMaxInputBytes)) {
      err << "tarnek-cli: " << input << " is larger than 64 MiB: not data for 200 values\n";
      return 1;
    }
  }
  if (in.bad()) {
    err << "tarnek-cli: cannot read " << input << '\n';
    return 1;
  }
  if (bytes.compare(0, 4, "PK\x03\x04") == 0) {
    err << "tarnek-cli: " << input
        << " is a spreadsheet or another ZIP file: open it in the data window, or save its "
           "sheet as CSV\n";
    return 1;
  }

  engine::DataReadOptions readOptions;
  readOptions.decimal = options.decimal;
  readOptions.column = options.column;
  if (options.grouped) readOptions.mode = engine::DataReadOptions::Mode::Grouped;
  const engine::DataRead read = engine::readData(engine::decodeDataText(bytes).text, readOptions);
  if (!read.usable) {
    err << recognitionReport(read, nullptr);
    std::string reason = "nothing usable";
    for (const engine::DataMessage& message : read.messages)
      if (engine::isBlocking(message.code)) {
        reason = engine::dataMessageText(message);
        break;
      }
    err << "tarnek-cli: " << input << ": nothing written: " << reason << '\n';
    return 1;
  }
  const ChosenLength length = chooseLength(read, options);
  err << recognitionReport(read, &length);
  const std::string text = engine::savedSampleText(read, length.length);
  std::string reason;
  if (!files::replaceFile(output, text, reason)) {
    err << "tarnek-cli: cannot write " << output << ": " << reason << '\n';
    return 1;
  }
  return 0;
}

}  // namespace cli
