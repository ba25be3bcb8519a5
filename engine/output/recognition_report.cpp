// What the data window and tarnek-cli --to-sample say they recognised in pasted data.
#include "engine/output/recognition_report.h"

#include "engine/data_message.h"
#include "engine/shortest_number.h"
#include "engine/sturges_rule.h"

namespace engine {

namespace {

std::string number(float value) {
  std::string text;
  appendShortest(text, value);
  return text;
}

const char* decimalName(DataReadOptions::Decimal decimal) {
  return decimal == DataReadOptions::Decimal::Comma ? "запятая" : "точка";
}

}  // namespace

ChosenLength chooseLength(const DataRead& read, std::optional<float> intervalLength) {
  ChosenLength chosen;
  if (intervalLength) {
    chosen.length = *intervalLength;
    chosen.source = ChosenLength::Source::Option;
  } else if (read.intervalLength && *read.intervalLength > 0.0f) {
    chosen.length = *read.intervalLength;
    chosen.source = ChosenLength::Source::Data;
  } else {
    const IntervalProposal proposal = sturgesInterval(read.values);
    chosen.length = proposal.length;
    chosen.source = ChosenLength::Source::Sturges;
  }
  chosen.intervals =
      read.grouped ? read.grouped->intervals() : intervalCount(read.min, read.max, chosen.length);
  return chosen;
}

std::string recognitionReport(const DataRead& read, const ChosenLength* length) {
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
  for (const SkippedLine& skipped : read.skipped)
    report += "Пропущена строка " + std::to_string(skipped.line) + " (" +
              skipReasonText(skipped.reason) + "): «" + skipped.text + "»\n";
  for (const DataMessage& message : read.messages) report += dataMessageText(message) + '\n';
  if (length) {
    report += "Длина интервала " + number(length->length);
    if (length->source == ChosenLength::Source::Sturges) report += " по правилу Стёрджеса";
    report += ", интервалов " + std::to_string(length->intervals) + '\n';
    if (length->intervals > 20)
      report += "Интервалов больше 20: анализ их не примет, задайте длину интервала больше\n";
  }
  return report;
}

}  // namespace engine
