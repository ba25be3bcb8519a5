// Reading values typed, pasted or imported in the shapes students have them.
#include "engine/data_reader.h"

#include <algorithm>
#include <cmath>

#include "engine/analysis_state.h"
#include "engine/data_lines.h"
#include "engine/sample_writer.h"

namespace engine {

namespace {

constexpr struct {
  SkipReason reason;
  const char* text;
} kSkipReasonTexts[] = {
    {SkipReason::NoNumber, "нет чисел"},
    {SkipReason::NotANumber, "не число"},
    {SkipReason::EmptyCell, "пустая ячейка"},
    {SkipReason::OutOfRange, "число вне допустимого диапазона"},
    {SkipReason::NotGroupedRow, "не строка интервального ряда"},
};

}  // namespace

std::string skipReasonText(SkipReason reason) {
  for (const auto& entry : kSkipReasonTexts)
    if (entry.reason == reason) return entry.text;
  return {};
}

namespace {

// A value taken, with where it came from.
struct Taken {
  float value = 0.0f;
  int32_t line = 0;
  const DataCell* cell = nullptr;
  bool aloneOnLine = false;
};

std::string lowerAscii(std::string_view text) {
  std::string lower(text);
  for (char& c : lower)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return lower;
}

// Headers that name a column of running numbers rather than measurements.
bool isIndexName(std::string_view header) {
  static constexpr std::string_view kNames[] = {
      "№",   "n",     "no",    "no.",   "nr",    "#",   "i",     "id",  "index",
      "п/п", "№ п/п", "номер", "Номер", "НОМЕР", "нпп", "n п/п", "num", "number",
  };
  const std::string lower = lowerAscii(header);
  for (const std::string_view name : kNames)
    if (lower == name) return true;
  return false;
}

// Whether a column holds running numbers, 0, 1, 2, … or 1, 2, 3, …, over at least two data lines.
bool isRunningIndex(const std::vector<const DataLine*>& rows, size_t column) {
  return rows.size() >= 2 && countsFromZeroOrOne(rows, column);
}

SkipReason reasonOf(const DataCell& cell) {
  if (cell.empty()) return SkipReason::EmptyCell;
  return cell.number.kind == DataNumber::Kind::OutOfRange ? SkipReason::OutOfRange
                                                          : SkipReason::NotANumber;
}

// A line without numbers is text, unless a number on it was too large for a float.
SkipReason reasonWithoutNumbers(const DataLine& line) {
  for (const DataCell& cell : line.cells)
    if (cell.number.kind == DataNumber::Kind::OutOfRange) return SkipReason::OutOfRange;
  return SkipReason::NoNumber;
}

class ValuesReader {
 public:
  ValuesReader(std::vector<DataLine> lines, const DataReadOptions& options, bool sheet)
      : lines_(std::move(lines)), options_(options), sheet_(sheet) {}

  void read(DataRead& read) {
    const DataLine* header = nullptr;
    for (const DataLine& line : lines_) {
      if (line.hasNumber()) {
        rows_.push_back(&line);
      } else {
        if (rows_.empty()) header = &line;
      }
    }
    if (header)
      for (const DataCell& cell : header->cells) read.columnHeaders.push_back(cell.text);
    if (isTable(read)) {
      readTable(read);
    } else {
      readList(read);
    }
  }

  std::vector<Taken>& taken() { return taken_; }

 private:
  bool isTable(const DataRead& read) const {
    if (options_.column) return true;
    // One line of numbers is a list written across, whatever separates them.
    if (rows_.size() == 1) return false;
    if (sheet_) return true;
    size_t cells = 0;
    bool sameCount = true;
    for (const DataLine* row : rows_) {
      if (row->separated) return true;
      if (cells != 0 && row->cells.size() != cells) sameCount = false;
      cells = std::max(cells, row->cells.size());
    }
    if (cells < 2) return false;
    // Blank-separated numbers are a list (the program's own files have ten a
    // line) unless a header names the columns or one of them counts the rows.
    if (sameCount && read.columnHeaders.size() == cells) return true;
    for (size_t column = 0; column < cells; ++column)
      if (isRunningIndex(rows_, column)) return true;
    return false;
  }

  // Every field in reading order; text among the numbers is listed.
  void readList(DataRead& read) {
    for (const DataLine& line : lines_) {
      if (!line.hasNumber()) {
        addSkipped(read, line.line, line.text, reasonWithoutNumbers(line));
        continue;
      }
      for (const DataCell& cell : line.cells) {
        if (cell.isNumber()) {
          taken_.push_back({cell.number.value, line.line, &cell, line.cells.size() == 1});
        } else if (!cell.empty()) {
          addSkipped(read, line.line, cell.text, reasonOf(cell));
        }
      }
    }
  }

  bool isIndexColumn(const DataRead& read, size_t column) const {
    if (column < read.columnHeaders.size() && isIndexName(read.columnHeaders[column])) return true;
    return isRunningIndex(rows_, column);
  }

  // How many data lines hold a number in each column, in one pass over the cells.
  std::vector<size_t> numbersPerColumn(size_t columns) const {
    std::vector<size_t> counts(columns, 0);
    for (const DataLine* row : rows_)
      for (size_t column = 0; column < row->cells.size(); ++column)
        if (row->cells[column].isNumber()) ++counts[column];
    return counts;
  }

  // The first column of numbers (a number on at least half the data lines)
  // that is not a running index; else the first column of numbers; else the
  // fullest column. Only columns of numbers are looked at closely, and there
  // are at most twice as many of them as cells per line, so the work stays
  // within the number of cells.
  size_t chooseColumn(DataRead& read, size_t columns) const {
    const std::vector<size_t> counts = numbersPerColumn(columns);
    const auto ofNumbers = [&](size_t column) { return counts[column] * 2 >= rows_.size(); };
    size_t firstOfNumbers = columns;
    size_t fullest = 0;
    for (size_t column = 0; column < columns; ++column) {
      if (counts[column] > counts[fullest]) fullest = column;
      if (!ofNumbers(column)) continue;
      if (firstOfNumbers == columns) firstOfNumbers = column;
      if (!isIndexColumn(read, column)) {
        for (size_t before = firstOfNumbers; before < column; ++before)
          if (ofNumbers(before) && isIndexColumn(read, before))
            read.messages.push_back(
                {DataMessageCode::IndexColumnSkipped, 0, std::to_string(before + 1)});
        return column;
      }
    }
    return firstOfNumbers < columns ? firstOfNumbers : fullest;
  }

  void readTable(DataRead& read) {
    size_t columns = 0;
    for (const DataLine* row : rows_) columns = std::max(columns, row->cells.size());
    read.columnCount = static_cast<int32_t>(std::min<size_t>(columns, INT32_MAX));
    if (columns == 0) return;
    size_t column = 0;
    if (options_.column) {
      if (*options_.column < 1 || static_cast<size_t>(*options_.column) > columns) {
        read.chosenColumn = *options_.column;
        read.messages.push_back(
            {DataMessageCode::NoSuchColumn, 0, std::to_string(*options_.column)});
        return;
      }
      column = static_cast<size_t>(*options_.column - 1);
    } else {
      column = chooseColumn(read, columns);
    }
    read.chosenColumn = static_cast<int32_t>(column + 1);
    for (const DataLine& line : lines_) {
      if (!line.hasNumber()) {
        addSkipped(read, line.line, line.text, reasonWithoutNumbers(line));
        continue;
      }
      const DataCell* cell = column < line.cells.size() ? &line.cells[column] : nullptr;
      if (cell && cell->isNumber()) {
        taken_.push_back({cell->number.value, line.line, cell, line.cells.size() == 1});
      } else {
        addSkipped(read, line.line, line.text, cell ? reasonOf(*cell) : SkipReason::EmptyCell);
      }
    }
  }

  std::vector<DataLine> lines_;
  const DataReadOptions& options_;
  bool sheet_;
  std::vector<const DataLine*> rows_;
  std::vector<Taken> taken_;
};

// Whether a lone first number is a sample file's interval length: positive
// and further from the values after it than their range (so 1 before 2 and 3
// stays a value, 1 before 500 and 501 is a length).
bool looksLikeLength(const std::vector<Taken>& taken) {
  if (taken.size() < 3 || !taken.front().aloneOnLine || taken[1].line == taken[0].line)
    return false;
  const double first = taken.front().value;
  if (!(first > 0.0)) return false;
  double low = taken[1].value;
  double high = low;
  for (size_t i = 2; i < taken.size(); ++i) {
    low = std::min<double>(low, taken[i].value);
    high = std::max<double>(high, taken[i].value);
  }
  const double distance = std::max({low - first, first - high, 0.0});
  return high > low && distance > high - low;
}

void takeLength(std::vector<Taken>& taken, const DataReadOptions& options, DataRead& read) {
  if (taken.empty()) return;
  const bool length =
      options.first == DataReadOptions::FirstNumber::Length ||
      (options.first == DataReadOptions::FirstNumber::Auto && looksLikeLength(taken));
  if (!length) return;
  read.intervalLength = taken.front().value;
  read.messages.push_back(
      {DataMessageCode::FirstTakenAsLength, taken.front().line, taken.front().cell->text});
  taken.erase(taken.begin());
}

void finishCount(DataRead& read) {
  const size_t count = read.values.size();
  read.count = static_cast<int32_t>(std::min<size_t>(count, INT32_MAX));
  if (count > 0) {
    const auto [low, high] = std::minmax_element(read.values.begin(), read.values.end());
    read.min = *low;
    read.max = *high;
  }
}

void finishUsable(DataRead& read) {
  const bool blocked = std::any_of(read.messages.begin(), read.messages.end(),
                                   [](const DataMessage& m) { return isBlocking(m.code); });
  read.usable = !blocked && read.count >= 1 && read.count <= kMaxSampleCount;
}

void readValues(std::vector<DataLine> lines, const DataReadOptions& options, bool sheet,
                DataRead& read) {
  ValuesReader reader(std::move(lines), options, sheet);
  reader.read(read);
  std::vector<Taken>& taken = reader.taken();
  takeLength(taken, options, read);
  DecimalTally tally;
  for (const Taken& value : taken) {
    tally.add(*value.cell, value.line);
    read.values.push_back(value.value);
  }
  tally.finish(read);
  finishCount(read);
  const bool noColumn =
      !read.messages.empty() && read.messages.back().code == DataMessageCode::NoSuchColumn;
  if (read.values.empty() && !noColumn)
    read.messages.push_back({DataMessageCode::NoNumbers, 0, {}});
  if (read.count > kMaxSampleCount)
    read.messages.push_back({DataMessageCode::TooManyValues, 0, std::to_string(read.count)});
  else if (read.count == 1)
    read.messages.push_back({DataMessageCode::FewValues, 0, "1"});
}

DataRead readLines(std::vector<DataLine> lines, const FieldRules& rules,
                   const DataReadOptions& options, bool sheet) {
  DataRead read;
  if (rules.commaLine > 0)
    read.messages.push_back({DataMessageCode::CommaSeparatesFields, rules.commaLine, {}});
  if (options.mode == DataReadOptions::Mode::Grouped) {
    readGroupedLines(lines, rules, read);
  } else {
    readValues(std::move(lines), options, sheet, read);
  }
  if (options.decimal != DataReadOptions::Decimal::Auto) read.decimal = options.decimal;
  finishUsable(read);
  return read;
}

}  // namespace

DataRead readData(std::string_view text, const DataReadOptions& options) {
  const FieldRules rules = fieldRules(text, options);
  return readLines(splitLines(text, rules), rules, options, false);
}

DataRead readData(const std::vector<std::vector<std::string>>& rows,
                  const DataReadOptions& options) {
  const FieldRules rules = cellRules(options);
  return readLines(rowLines(rows, rules), rules, options, true);
}

}  // namespace engine
