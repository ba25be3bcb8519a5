// What reading pasted or imported data found worth telling the user.
#pragma once

#include <cstdint>
#include <string>

namespace engine {

enum class DataMessageCode {
  // Nothing usable; the data cannot be saved.
  NoNumbers,         // no number anywhere
  TooManyValues,     // detail: the count; more than 200 values are refused, never cut
  TooManyIntervals,  // grouped: detail: k; more than 20 intervals
  NoFrequencies,     // grouped: every frequency is 0
  NoSuchColumn,      // detail: the column asked for, which no line has
  SingleMidpoint,    // grouped: one midpoint alone does not give the interval length
  NotExact,          // grouped: intervals too narrow for their edges as 32-bit floats
  // Grouped rows that make the series unusable (line: the row).
  UnequalWidths,        // detail: the row's width
  FractionalFrequency,  // detail: the frequency as written
  NegativeFrequency,    // detail: the frequency as written
  ReversedEdges,        // the right edge is not above the left one
  IntervalGap,          // the interval does not start where the one before ended
  // Worth knowing, the data are usable.
  FewValues,             // detail: the count; fewer than 2 values cannot be tested
  FirstTakenAsLength,    // detail: the number; a lone first number read as the interval length
  MixedDecimal,          // line: first number with the less used separator, detail: that number
  CommaSeparatesFields,  // line: first line where "," was read as a field separator
  IndexColumnSkipped,    // detail: the column's number; a running index 1, 2, 3, … passed over
  EmptyEdgeDropped,      // grouped: line: the dropped row; an empty first or last interval
};

struct DataMessage {
  DataMessageCode code = DataMessageCode::NoNumbers;
  int32_t line = 0;    // 1-based line (row) it concerns, 0 for the whole text
  std::string detail;  // a number or text as the code says, UTF-8
};

// True for the codes after which nothing can be saved.
bool isBlocking(DataMessageCode code);

// The message as the user reads it, in Russian, naming the line when it has one.
std::string dataMessageText(const DataMessage& message);

}  // namespace engine
