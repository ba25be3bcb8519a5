// tarnek-cli --to-sample: data as students have them, written as a sample file.
#include "cli/sample_import.h"

#include <fstream>

#include "engine/data_text.h"
#include "engine/input_file.h"
#include "engine/sample_writer.h"
#include "engine/shortest_number.h"
#include "engine/sturges_rule.h"
#include "files/replace_file.h"

namespace cli {

namespace {

// Far above any data a window would show; a larger file is not data for 200 values.
constexpr std::streamsize kMaxInputBytes = std::streamsize{64} * 1024 * 1024;

std::string number(float value) {
  std::string text;
  engine::appendShortest(text, value);
  return text;
}

const char* decimalName(engine::DataReadOptions::Decimal decimal) {
  return decimal == engine::DataReadOptions::Decimal::Comma ? "запятая" : "точка";
}

}  // namespace

ChosenLength chooseLength(const engine::DataRead& read, const CliOptions& options) {
  ChosenLength chosen;
  if (options.intervalLength) {
    chosen.length = *options.intervalLength;
    chosen.source = ChosenLength::Source::Option;
  } else if (read.intervalLength && *read.intervalLength > 0.0f) {
    chosen.length = *read.intervalLength;
    chosen.source = ChosenLength::Source::Data;
  } else {
    const engine::IntervalProposal proposal = engine::sturgesInterval(read.values);
    chosen.length = proposal.length;
    chosen.source = ChosenLength::Source::Sturges;
  }
  chosen.intervals = read.grouped ? read.grouped->intervals()
                                  : engine::intervalCount(read.min, read.max, chosen.length);
  return chosen;
}

std::string recognitionReport(const engine::DataRead& read, const ChosenLength* length) {
  std::string report;
  if (read.grouped) {
    report += "Интервальный ряд: интервалов " + std::to_string(read.grouped->intervals()) +
              ", значений " + std::to_string(read.count);
  } else {
    report += "Значений " + std::to_string(read.count);
  }
  if (read.count > 0) report += ", от " + number(read.min) + " до " + number(read.max);
  report += "; десятичный разделитель — ";
  report += decimalName(read.decimal);
  report += '\n';
  if (read.columnCount > 1)
    report += "Столбец " + std::to_string(read.chosenColumn) + " из " +
              std::to_string(read.columnCount) + "\n";
  for (const engine::SkippedLine& skipped : read.skipped)
    report += "Пропущена строка " + std::to_string(skipped.line) + " (" +
              engine::skipReasonText(skipped.reason) + "): «" + skipped.text + "»\n";
  for (const engine::DataMessage& message : read.messages)
    report += engine::dataMessageText(message) + '\n';
  if (length) {
    report += "Длина интервала " + number(length->length);
    if (length->source == ChosenLength::Source::Sturges) report += " по правилу Стёрджеса";
    report += ", интервалов " + std::to_string(length->intervals) + '\n';
    if (length->intervals > 20)
      report += "Интервалов больше 20: анализ их не примет, задайте длину интервала больше\n";
  }
  return report;
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
