// Splitting pasted or imported data into lines of fields.
#include "engine/data_lines.h"

#include "engine/utf8_text.h"

namespace engine {

bool DataLine::hasNumber() const {
  for (const DataCell& cell : cells)
    if (cell.isNumber()) return true;
  return false;
}

bool countsFromZeroOrOne(const std::vector<const DataLine*>& lines, size_t column) {
  double expected = 0.0;
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::vector<DataCell>& cells = lines[i]->cells;
    if (column >= cells.size() || !cells[column].isNumber()) return false;
    const double value = cells[column].number.exact;
    if (i == 0) {
      if (value != 0.0 && value != 1.0) return false;
      expected = value;
    }
    if (value != expected) return false;
    expected += 1.0;
  }
  return true;
}

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\r'; }

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

bool onlyBlanks(std::string_view text) { return trimmed(text).empty(); }

// Calls `each` with every line of the text and its 1-based number.
template <typename Each>
void forEachLine(std::string_view text, Each each) {
  int32_t number = 0;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    if (number < INT32_MAX) ++number;
    each(text.substr(start, end - start), number);
    if (end == text.size()) break;
    start = end + 1;
  }
}

// The fields of one line; `separated` tells how they were found.
class FieldSplitter {
 public:
  FieldSplitter(std::string_view line, const FieldRules& rules) : line_(line), rules_(rules) {}

  bool separated() const {
    for (size_t i = 0; i < line_.size(); i = next(i))
      if (line_[i] == ';' || line_[i] == '\t' || (line_[i] == ',' && rules_.commaSeparates))
        return true;
    return false;
  }

  std::vector<std::string> fields(bool separated) const {
    if (separated && line_.find_first_of(";\t") == std::string_view::npos) return commaFields();
    std::vector<std::string> fields;
    std::string field;
    const auto finish = [&](bool keepEmpty) {
      const std::string_view shown = trimmed(field);
      if (keepEmpty || !shown.empty()) fields.emplace_back(shown);
      field.clear();
    };
    for (size_t i = 0; i < line_.size();) {
      const size_t after = next(i);
      const char c = line_[i];
      const bool ends =
          separated ? c == ';' || c == '\t' || (c == ',' && rules_.commaSeparates) : isBlank(c);
      if (ends)
        finish(separated);
      else
        field.append(line_.substr(i, after - i));
      i = after;
    }
    finish(separated && !fields.empty());
    return fields;
  }

 private:
  // The position after the character (or bracketed interval) at `i`.
  size_t next(size_t i) const {
    if (!rules_.keepBrackets || (line_[i] != '[' && line_[i] != '(') || noCloserFrom_ <= i)
      return i + 1;
    const size_t closer = line_.find_first_of("])", i + 1);
    if (closer == std::string_view::npos) {
      noCloserFrom_ = i;  // nor for any later opener
      return i + 1;
    }
    return closer + 1;
  }

  // A line of "1, 2, 3" or "1,5 2,5" under Point: every comma ends a field,
  // an empty field between two commas included, and blanks end fields too.
  std::vector<std::string> commaFields() const {
    std::vector<std::string> fields;
    size_t start = 0;
    while (true) {
      size_t comma = start;
      while (comma < line_.size() && line_[comma] != ',') comma = next(comma);
      const std::string_view piece = line_.substr(start, comma - start);
      const std::vector<std::string> words = FieldSplitter(piece, rules_).fields(false);
      if (words.empty()) fields.emplace_back();
      fields.insert(fields.end(), words.begin(), words.end());
      if (comma >= line_.size()) break;
      start = comma + 1;
    }
    return fields;
  }

  std::string_view line_;
  const FieldRules& rules_;
  mutable size_t noCloserFrom_ = std::string_view::npos;
};

// True for a field such as "1,2,3" or "1.5,2.5": numbers with "." between commas.
bool commaSeparatedNumbers(std::string_view token) {
  if (token.size() > 4 * kMaxNumberBytes || token.find(',') == std::string_view::npos) return false;
  const DecimalSeparators pointOnly{true, false};
  size_t pieces = 0;
  bool point = false;
  size_t start = 0;
  while (true) {
    const size_t comma = token.find(',', start);
    const std::string_view piece = token.substr(
        start, comma == std::string_view::npos ? std::string_view::npos : comma - start);
    const DataNumber number = parseDataNumber(piece, pointOnly);
    if (number.kind != DataNumber::Kind::Number) return false;
    point = point || number.separator == '.';
    ++pieces;
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  return pieces >= 3 || point;
}

DataCell makeCell(std::string text, const FieldRules& rules) {
  DataCell cell;
  cell.number = parseDataNumber(text, rules.separators);
  cell.text = std::move(text);
  return cell;
}

}  // namespace

FieldRules cellRules(const DataReadOptions& options) {
  FieldRules rules;
  rules.keepBrackets = options.mode == DataReadOptions::Mode::Grouped;
  switch (options.decimal) {
    case DataReadOptions::Decimal::Auto:
      break;
    case DataReadOptions::Decimal::Point:
      rules.separators = {true, false};
      break;
    case DataReadOptions::Decimal::Comma:
      rules.separators = {false, true};
      break;
  }
  return rules;
}

FieldRules fieldRules(std::string_view text, const DataReadOptions& options) {
  FieldRules rules = cellRules(options);
  if (options.decimal == DataReadOptions::Decimal::Point) rules.commaSeparates = true;
  if (options.decimal != DataReadOptions::Decimal::Auto) return rules;
  bool found = false;
  forEachLine(text, [&](std::string_view line, int32_t number) {
    if (found || line.find_first_of(";\t") != std::string_view::npos) return;
    const FieldSplitter splitter(line, rules);
    for (const std::string& token : splitter.fields(false)) {
      if (token.front() == '[' || token.front() == '(') continue;
      if (commaSeparatedNumbers(token)) {
        found = true;
        rules.commaLine = number;
        return;
      }
    }
  });
  if (found) {
    rules.commaSeparates = true;
    rules.separators = {true, false};
  }
  return rules;
}

std::vector<DataLine> splitLines(std::string_view text, const FieldRules& rules) {
  std::vector<DataLine> lines;
  forEachLine(text, [&](std::string_view line, int32_t number) {
    if (onlyBlanks(line)) return;
    const FieldSplitter splitter(line, rules);
    DataLine data;
    data.line = number;
    data.text = std::string(line);
    data.separated = splitter.separated();
    for (std::string& field : splitter.fields(data.separated))
      data.cells.push_back(makeCell(std::move(field), rules));
    lines.push_back(std::move(data));
  });
  return lines;
}

std::vector<DataLine> rowLines(const std::vector<std::vector<std::string>>& rows,
                               const FieldRules& rules) {
  std::vector<DataLine> lines;
  for (size_t i = 0; i < rows.size(); ++i) {
    DataLine data;
    data.line = i < static_cast<size_t>(INT32_MAX) ? static_cast<int32_t>(i + 1) : INT32_MAX;
    data.separated = true;
    bool blank = true;
    for (const std::string& cell : rows[i]) {
      const std::string_view shown = trimmed(cell);
      blank = blank && shown.empty();
      if (&cell != &rows[i].front()) data.text += "; ";
      data.text += shown;
      data.cells.push_back(makeCell(std::string(shown), rules));
    }
    if (!blank) lines.push_back(std::move(data));
  }
  return lines;
}

std::string shownText(std::string_view text) {
  constexpr size_t kShownCharacters = 80;
  std::string shown;
  size_t characters = 0;
  for (size_t pos = 0; pos < text.size();) {
    if (characters == kShownCharacters) {
      shown += "…";
      break;
    }
    const Utf8Step step = nextUtf8(text, pos);
    if (step.valid)
      shown.append(text.substr(pos, step.length));
    else
      shown += "\xEF\xBF\xBD";
    pos += step.length;
    ++characters;
  }
  return shown;
}

}  // namespace engine

namespace engine {

void DecimalTally::add(const DataNumber& number, std::string_view text, int32_t line) {
  if (number.separator == '.') {
    if (points_++ == 0) firstPoint_ = {line, shownText(text)};
  } else if (number.separator == ',') {
    if (commas_++ == 0) firstComma_ = {line, shownText(text)};
  }
}

void DecimalTally::finish(DataRead& read) const {
  const bool comma = commas_ > points_;
  read.decimal = comma ? DataReadOptions::Decimal::Comma : DataReadOptions::Decimal::Point;
  if (points_ == 0 || commas_ == 0) return;
  const First& other = comma ? firstPoint_ : firstComma_;
  read.messages.push_back({DataMessageCode::MixedDecimal, other.line, other.text});
}

void addSkipped(DataRead& read, int32_t line, std::string_view text, SkipReason reason) {
  read.skipped.push_back({line, shownText(text), reason});
}

}  // namespace engine
