// The pieces the worked solution is written with: its document, its number formats, its sections.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/document/text_document.h"
#include "engine/document/text_markup.h"
#include "engine/run_result.h"
#include "engine/solution_figures.h"

namespace engine {

class SolutionWriter {
 public:
  SolutionWriter(const RunResult& result, char decimalSeparator);

  const RunResult& result() const { return result_; }
  const SolutionFigures& figures() const { return figures_; }
  TextDocument take() { return std::move(document_); }

  // Each call starts a new block; a writer is valid until the next one starts.
  ParagraphWriter heading(std::string_view markup);
  ParagraphWriter paragraph();
  // A table with a header row of markup texts; rows are added with tableRow.
  void table(const std::vector<const char*>& header);
  std::vector<TextCell>& tableRow();

  // As the log writes the value (5 significant digits) and as the grid does (4).
  std::string logNumber(double value) const;
  std::string gridNumber(double value) const;
  // A level, a coefficient or a probability (α, γ, t, q, p): up to 6 significant digits, which
  // keep every thousandth of t and q.
  std::string figure(double value) const;
  // A quotient whose whole part is taken: as many digits as keep that whole part right.
  std::string quotient(double value) const;
  // A whole number held in a double, as the log writes a count of any size.
  static std::string whole(double value);

 private:
  const RunResult& result_;
  char separator_;
  SolutionFigures figures_;
  TextDocument document_;
};

// The sections, in the order the run reaches them. Each writes what the run got to.
void writeData(SolutionWriter& out);
void writeColumns(SolutionWriter& out);
void writeMoments(SolutionWriter& out);
void writeMerging(SolutionWriter& out);
void writeTest(SolutionWriter& out);
// The p-value of a run that looked up its critical point, with its degrees of freedom.
void writePValue(SolutionWriter& out);
void writeIntervals(SolutionWriter& out);
// Why a run that ended early ended, and what the student can do; nothing for a verdict.
void writeStop(SolutionWriter& out);

}  // namespace engine
