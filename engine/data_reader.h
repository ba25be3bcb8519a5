// Reading values typed, pasted or imported in the shapes students have them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/data_message.h"
#include "engine/grouped_series.h"

namespace engine {

struct DataReadOptions {
  // Auto: "." and "," are both decimal separators, except in text whose
  // fields are separated by "," (a field "1,2,3" or "1.5,2.5" on a line with
  // no ";" or tab), where "." is. Point: "," separates fields. Comma: "." is
  // no separator, so "1.5" is not a number. "," is never a group separator.
  enum class Decimal { Auto, Point, Comma };
  // Values: a sample, one value per number. Grouped: rows "a b n", "x n",
  // "a-b n", "a–b n" or "[a; b) n" of a grouped series.
  enum class Mode { Values, Grouped };
  // Auto: a first number alone on its line, far from the values after it,
  // is the interval length of a sample file, not a value.
  enum class FirstNumber { Auto, Value, Length };

  Decimal decimal = Decimal::Auto;
  Mode mode = Mode::Values;
  FirstNumber first = FirstNumber::Auto;
  // 1-based column to take the values from (Values mode); nullopt lets the
  // reader choose: the first column of numbers that is not a running index.
  std::optional<int32_t> column;
};

// Why a line (or a piece of one) was not read.
enum class SkipReason {
  NoNumber,       // a header or other text: nothing on the line is a number
  NotANumber,     // text among the numbers, or in the chosen column
  EmptyCell,      // the chosen column is empty on this line
  OutOfRange,     // a number beyond the range of a float
  NotGroupedRow,  // Grouped mode: not a row of edges (or midpoint) and frequency
};

struct SkippedLine {
  int32_t line = 0;  // 1-based
  std::string text;  // what was not read: the line, or the piece of it, cut to 80 characters
  SkipReason reason = SkipReason::NoNumber;
};

// The Russian phrase for a reason ("нет чисел", "не число", …).
std::string skipReasonText(SkipReason reason);

struct DataRead {
  DataReadOptions::Decimal decimal = DataReadOptions::Decimal::Point;  // as used: Point or Comma
  // Values mode: every value found, in reading order (more than 200 too, for
  // showing them). Grouped mode: the sample that saving writes for the series
  // (groupedSample in sample_writer.h), when it can be written.
  std::vector<float> values;
  std::optional<GroupedSeries> grouped;  // Grouped mode, when the rows formed a series
  // Values mode: a lone first number taken as a sample file's interval
  // length (not among `values`); Grouped mode: the series' length as stored.
  std::optional<float> intervalLength;
  int32_t columnCount = 1;                 // columns of the table; 1 for a list of numbers
  int32_t chosenColumn = 1;                // 1-based column the values came from
  std::vector<std::string> columnHeaders;  // the last line without numbers before the first number
  std::vector<SkippedLine> skipped;        // in line order
  std::vector<DataMessage> messages;       // in the order found; dataMessageText gives the text
  int32_t count = 0;                       // values found, or the grouped series' total
  // Values mode: the smallest and largest value; Grouped mode: the left edge
  // of the first interval and the right edge of the last. 0 when none.
  float min = 0.0f;
  float max = 0.0f;
  // At least one value, at most 200, and no blocking message: it can be
  // saved (savedSampleText in sample_writer.h).
  bool usable = false;
};

// Reads text as decodeDataText gives it.
DataRead readData(std::string_view text, const DataReadOptions& options);

// Reads the rows of cell texts a spreadsheet's sheet holds (row i is line
// i + 1), as the text reader reads the cells of a line. Numeric cells are
// expected as the shortest decimal that reads back as their value, with "."
// ("167.2", not "167.19999999999999").
DataRead readData(const std::vector<std::vector<std::string>>& rows,
                  const DataReadOptions& options);

}  // namespace engine
