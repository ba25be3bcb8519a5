// Splitting pasted or imported data into lines of fields.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/data_number.h"
#include "engine/data_reader.h"

namespace engine {

struct DataCell {
  std::string text;  // without the blanks around it
  DataNumber number;
  bool empty() const { return text.empty(); }
  bool isNumber() const { return number.kind == DataNumber::Kind::Number; }
};

struct DataLine {
  int32_t line = 0;  // 1-based
  std::string text;  // as it stands, for the list of skipped lines
  std::vector<DataCell> cells;
  bool separated = false;  // fields by ";", tabs or ",", so empty fields count: a table row
  bool hasNumber() const;
};

// Whether the numbers in `column` run 0, 1, 2, … or 1, 2, 3, … down the lines, one a line; a
// line without a number there ends it. True for no lines.
bool countsFromZeroOrOne(const std::vector<const DataLine*>& lines, size_t column);

// How the fields of every line are told apart and read.
struct FieldRules {
  DecimalSeparators separators;
  bool commaSeparates = false;  // "," ends a field
  bool keepBrackets = false;    // "[154; 158)" is one field (grouped series)
  int32_t commaLine = 0;        // the first line that showed "," separating fields, under Auto
};

// Decides the rules for text: under Auto, a field such as "1,2,3" or
// "1.5,2.5" on a line without ";" or tabs makes "," a field separator and "."
// the decimal separator for the whole text.
FieldRules fieldRules(std::string_view text, const DataReadOptions& options);

// Rules for cells a spreadsheet gives: they are fields already.
FieldRules cellRules(const DataReadOptions& options);

// Lines with ";" or a tab are split at each of them (and at "," when it
// separates), every field trimmed; other lines at runs of blanks (and at
// ","). Lines holding only blanks are left out.
std::vector<DataLine> splitLines(std::string_view text, const FieldRules& rules);

// The rows of a sheet as lines, row i being line i + 1; empty rows left out.
std::vector<DataLine> rowLines(const std::vector<std::vector<std::string>>& rows,
                               const FieldRules& rules);

// Text cut to 80 characters with "…", for the list of skipped lines.
std::string shownText(std::string_view text);

}  // namespace engine

namespace engine {

// Which decimal separator the numbers used, to say which one was read and
// where the other one turned up.
class DecimalTally {
 public:
  void add(const DataCell& cell, int32_t line) { add(cell.number, cell.text, line); }
  void add(const DataNumber& number, std::string_view text, int32_t line);
  // Sets read.decimal (Comma when most numbers had one) and, when both
  // turned up, a MixedDecimal message at the first number with the other.
  void finish(DataRead& read) const;

 private:
  struct First {
    int32_t line = 0;
    std::string text;
  };
  int64_t points_ = 0;
  int64_t commas_ = 0;
  First firstPoint_;
  First firstComma_;
};

// Adds a skipped line (or piece of one) in the form the list shows.
void addSkipped(DataRead& read, int32_t line, std::string_view text, SkipReason reason);

// The reading of a grouped series from split lines, into `read`.
void readGroupedLines(const std::vector<DataLine>& lines, const FieldRules& rules, DataRead& read);

}  // namespace engine
