// The worked solution of one run: the writer's pieces and the order of the sections.
#include "engine/solution.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "engine/number_format.h"
#include "engine/solution_writer.h"

namespace engine {

SolutionWriter::SolutionWriter(const RunResult& result, char decimalSeparator)
    : result_(result), separator_(decimalSeparator), figures_(solutionFigures(result)) {}

ParagraphWriter SolutionWriter::heading(std::string_view markup) {
  TextParagraph& paragraph =
      std::get<TextParagraph>(document_.blocks.emplace_back(TextParagraph{}));
  paragraph.role = TextParagraph::Role::Heading;
  ParagraphWriter writer(paragraph);
  writer.math(markup);
  return writer;
}

ParagraphWriter SolutionWriter::paragraph() {
  return ParagraphWriter(std::get<TextParagraph>(document_.blocks.emplace_back(TextParagraph{})));
}

void SolutionWriter::table(const std::vector<const char*>& header) {
  TextTable& table = std::get<TextTable>(document_.blocks.emplace_back(TextTable{}));
  std::vector<TextCell>& row = table.rows.emplace_back();
  for (const char* markup : header) ParagraphWriter(row.emplace_back()).math(markup);
}

std::vector<TextCell>& SolutionWriter::tableRow() {
  return std::get<TextTable>(document_.blocks.back()).rows.emplace_back();
}

std::string SolutionWriter::logNumber(double value) const {
  return formatGeneral(value, 5, 2, separator_);
}

std::string SolutionWriter::gridNumber(double value) const {
  return formatGeneral(value, 4, 2, separator_);
}

std::string SolutionWriter::figure(double value) const {
  return formatGeneral(value, 6, 2, separator_);
}

std::string SolutionWriter::quotient(double value) const {
  if (!std::isfinite(value)) return logNumber(value);
  constexpr int kMaxDigits = 15;
  std::string text;
  for (int digits = 5; digits <= kMaxDigits; ++digits) {
    text = formatGeneral(value, digits, 2, separator_);
    std::string classic = text;
    for (char& c : classic)
      if (c == separator_) c = '.';
    // 7.99999 shown as "8" would say the whole part is 8.
    if (std::floor(std::strtod(classic.c_str(), nullptr)) == std::floor(value)) break;
  }
  return text;
}

std::string SolutionWriter::whole(double value) {
  char buffer[400];
  std::snprintf(buffer, sizeof buffer, "%.0f", value);
  return buffer;
}

TextDocument buildSolution(const RunResult& result, char decimalSeparator) {
  SolutionWriter out(result, decimalSeparator);
  out.heading("Ход решения");
  writeData(out);
  if (result.tableColumns > 0) {
    writeColumns(out);
    writeMoments(out);
  }
  if (result.groups) {
    writeMerging(out);
    writeTest(out);
  }
  if (result.outcome == RunOutcome::Accepted) writeIntervals(out);
  writeStop(out);
  return out.take();
}

}  // namespace engine
