// Fuzz target: the critical-point table reader over any bytes, and against a replay of plain
// tables.
#include <cmath>
#include <cstring>
#include <sstream>
#include <string>

#include "engine/classic_stream.h"
#include "engine/critical_points.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/plain_tokens.h"

namespace {

using engine::CriticalPointTable;
using engine::kCriticalPointColumns;
using engine::kCriticalPointRows;
using engine::kMaxNumberCharacters;
using engine::TableLoad;

std::string cellName(size_t row, size_t column) {
  return "cell " + std::to_string(row) + "," + std::to_string(column);
}

// Reads a table whose tokens are all plain numbers the way the format describes it.
// False when a token is not plain, so the replay cannot say where a read would stop.
bool replay(const std::vector<std::string>& tokens, CriticalPointTable& table, TableLoad& result) {
  size_t next = 0;
  bool failed = false;  // a failed read leaves the stream failed for good
  for (int32_t row = 1; row <= kCriticalPointRows; ++row) {
    int32_t number = 0;
    if (failed || next == tokens.size()) {
      result = TableLoad::BadFormat;
      return true;
    }
    if (!fuzz::isPlainInteger(tokens[next])) return false;
    // A number of more than 1,000 characters is not read, like text that is not a number.
    const bool tooLong = tokens[next].size() > kMaxNumberCharacters;
    if (tooLong || !fuzz::plainInteger(tokens[next++], number) || number != row) {
      result = TableLoad::BadFormat;
      return true;
    }
    for (int32_t column = 1; column <= kCriticalPointColumns; ++column) {
      if (failed || next == tokens.size()) {
        failed = true;
        continue;
      }
      if (!fuzz::isPlainReal(tokens[next])) return false;
      float value = 0;
      if (tokens[next].size() <= kMaxNumberCharacters && fuzz::plainFloat(tokens[next++], value)) {
        table.cells[size_t(row)][size_t(column)] = value;
      } else {
        failed = true;
      }
    }
  }
  result = TableLoad::Loaded;
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  CriticalPointTable table;
  std::istringstream in(text);
  const TableLoad result = engine::readCriticalPoints(in, table);
  FUZZ_CHECK(result == TableLoad::Loaded || result == TableLoad::BadFormat, "result");

  for (size_t row = 0; row <= size_t(kCriticalPointRows); ++row) {
    for (size_t column = 0; column <= size_t(kCriticalPointColumns); ++column) {
      const float value = table.cells[row][column];
      FUZZ_CHECK(std::isfinite(value), cellName(row, column));
      if (row == 0 || column == 0)
        FUZZ_CHECK(value == 0.0f, cellName(row, column) + " is never read");
    }
  }
  // A bad format stops at some record's number, so the last record is never reached.
  if (result == TableLoad::BadFormat) {
    for (size_t column = 1; column <= size_t(kCriticalPointColumns); ++column)
      FUZZ_CHECK(table.cells[size_t(kCriticalPointRows)][column] == 0.0f, cellName(30, column));
  }
  for (int32_t row : {-1, 0, 31})
    for (int32_t column : {-1, 0, 1, 3, 6, 7})
      FUZZ_CHECK(table.at(row, column) == 0.0f && table.at(column, row) == 0.0f,
                 "at(" + std::to_string(row) + ", " + std::to_string(column) + ")");

  // The byte order mark at the very start is no text: with one added, the table is the same.
  if (size % 3 == 0 && text.compare(0, 3, "\xEF\xBB\xBF") != 0) {
    CriticalPointTable marked;
    std::istringstream markedIn("\xEF\xBB\xBF" + text);
    FUZZ_CHECK(engine::readCriticalPoints(markedIn, marked) == result, "a leading mark changed it");
    FUZZ_CHECK(std::memcmp(&marked, &table, sizeof table) == 0, "a leading mark changed a cell");
  }

  const std::vector<std::string> tokens = fuzz::splitTokens(text);
  CriticalPointTable expected;
  TableLoad expectedResult = TableLoad::Loaded;
  if (!replay(tokens, expected, expectedResult)) return 0;
  FUZZ_CHECK(result == expectedResult, "replayed result differs");
  for (size_t row = 1; row <= size_t(kCriticalPointRows); ++row)
    for (size_t column = 1; column <= size_t(kCriticalPointColumns); ++column)
      FUZZ_CHECK(table.cells[row][column] == expected.cells[row][column], cellName(row, column));
  return 0;
}
