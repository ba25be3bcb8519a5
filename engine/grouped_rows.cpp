// Reading the rows of a grouped series: edges or midpoint, and frequency.
#include <algorithm>
#include <cmath>
#include <optional>

#include "engine/analysis_run.h"
#include "engine/analysis_state.h"
#include "engine/data_lines.h"
#include "engine/grouped_series_builder.h"
#include "engine/sample_writer.h"
#include "engine/stored.h"

namespace engine {

namespace {

// One field of a grouped row, an interval's edges being one field or three ("154 – 158").
struct Item {
  enum class Kind { Number, Interval, Dash, Text };
  Kind kind = Kind::Text;
  DataCell left;   // the number, or the left edge
  DataCell right;  // the right edge
};

constexpr std::string_view kDashes[] = {"\xE2\x80\x93", "\xE2\x80\x94", "-"};  // – — -

std::string_view trimmedBlanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

DataCell cellOf(std::string_view text, const FieldRules& rules) {
  DataCell cell;
  cell.text = std::string(trimmedBlanks(text));
  cell.number = parseDataNumber(cell.text, rules.separators);
  return cell;
}

std::optional<Item> interval(std::string_view left, std::string_view right,
                             const FieldRules& rules) {
  Item item;
  item.kind = Item::Kind::Interval;
  item.left = cellOf(left, rules);
  item.right = cellOf(right, rules);
  if (!item.left.isNumber() || !item.right.isNumber()) return std::nullopt;
  return item;
}

// "[154; 158)", "[154, 158)", "(1,5; 2,5]" and the like.
std::optional<Item> bracketed(std::string_view text, const FieldRules& rules) {
  if (text.size() < 2 || (text.front() != '[' && text.front() != '(') ||
      (text.back() != ']' && text.back() != ')'))
    return std::nullopt;
  const std::string_view inner = text.substr(1, text.size() - 2);
  const bool commaIsDecimal = rules.separators.comma && !rules.commaSeparates;
  for (const std::string_view separator : {";", commaIsDecimal ? ", " : ",", " "}) {
    const size_t at = inner.find(separator);
    if (at == std::string_view::npos) continue;
    if (auto item = interval(inner.substr(0, at), inner.substr(at + separator.size()), rules))
      return item;
  }
  return std::nullopt;
}

// "154-158", "154–158", "-4--2": the first dash after the left edge's first
// character that leaves a number on either side ("1e-5" keeps its sign).
std::optional<Item> dashed(std::string_view text, const FieldRules& rules) {
  // A left edge holds at most two minus signs, so only the first few dashes can end it.
  constexpr int kMostTries = 4;
  int tries = 0;
  for (size_t at = 1; at < text.size() && tries < kMostTries; ++at) {
    for (const std::string_view dash : kDashes) {
      if (text.substr(at, dash.size()) != dash) continue;
      ++tries;
      if (dash == "-" && (text[at - 1] == 'e' || text[at - 1] == 'E')) continue;
      if (auto item = interval(text.substr(0, at), text.substr(at + dash.size()), rules))
        return item;
    }
  }
  return std::nullopt;
}

Item itemOf(const DataCell& cell, const FieldRules& rules) {
  Item item;
  item.left = cell;
  if (cell.isNumber()) {
    item.kind = Item::Kind::Number;
    return item;
  }
  for (const std::string_view dash : kDashes)
    if (cell.text == dash) {
      item.kind = Item::Kind::Dash;
      return item;
    }
  if (cell.text.size() <= 2 * kMaxNumberBytes + 8) {
    if (auto found = bracketed(cell.text, rules)) return *found;
    if (auto found = dashed(cell.text, rules)) return *found;
  }
  return item;
}

std::vector<Item> itemsOf(const DataLine& line, const FieldRules& rules) {
  std::vector<Item> items;
  for (const DataCell& cell : line.cells) {
    if (cell.empty()) continue;
    Item item = itemOf(cell, rules);
    // "154 – 158": an edge, a dash alone, an edge.
    if (items.size() >= 2 && item.kind == Item::Kind::Number &&
        items.back().kind == Item::Kind::Dash &&
        items[items.size() - 2].kind == Item::Kind::Number) {
      items.pop_back();
      Item joined;
      joined.kind = Item::Kind::Interval;
      joined.left = items.back().left;
      joined.right = item.left;
      items.back() = joined;
      continue;
    }
    items.push_back(std::move(item));
  }
  return items;
}

std::optional<GroupedRow> rowOf(const std::vector<Item>& items, int32_t line) {
  using K = Item::Kind;
  std::vector<K> kinds;
  kinds.reserve(items.size());
  for (const Item& item : items) kinds.push_back(item.kind);
  GroupedRow row;
  row.line = line;
  const auto number = [&](size_t i) { return items[i].left; };
  if (kinds == std::vector<K>{K::Interval, K::Number} ||
      kinds == std::vector<K>{K::Number, K::Interval, K::Number}) {
    const Item& edges = items[items.size() - 2];
    row.edges = true;
    row.a = edges.left;
    row.b = edges.right;
    row.frequency = items.back().left;
  } else if (kinds == std::vector<K>{K::Number, K::Number, K::Number} ||
             kinds == std::vector<K>{K::Number, K::Number, K::Number, K::Number}) {
    const size_t start = kinds.size() - 3;
    row.edges = true;
    row.threeNumbers = kinds.size() == 3;
    row.first = number(start);
    row.a = number(start);
    row.b = number(start + 1);
    row.frequency = number(start + 2);
  } else if (kinds == std::vector<K>{K::Number, K::Number}) {
    row.a = number(0);
    row.frequency = number(1);
  } else {
    return std::nullopt;
  }
  return row;
}

// "i x n" rows: the first column runs 1, 2, 3, … and the rest are no edges of equal width.
bool indexedMidpoints(const std::vector<GroupedRow>& rows) {
  if (rows.size() < 2) return false;
  double widthOfFirst = 0.0;
  bool equalWidths = true;
  for (size_t i = 0; i < rows.size(); ++i) {
    if (!rows[i].threeNumbers || rows[i].first.number.exact != static_cast<double>(i + 1))
      return false;
    const double width = rows[i].b.number.exact - rows[i].a.number.exact;
    if (i == 0) widthOfFirst = width;
    if (std::fabs(width - widthOfFirst) > 1e-9 * std::fabs(widthOfFirst)) equalWidths = false;
  }
  return !equalWidths;
}

void tallyDecimals(const std::vector<GroupedRow>& rows, DataRead& read) {
  DecimalTally tally;
  for (const GroupedRow& row : rows) {
    tally.add(row.a, row.line);
    if (row.edges) tally.add(row.b, row.line);
    tally.add(row.frequency, row.line);
  }
  tally.finish(read);
}

void finishSeries(GroupedSeries series, DataRead& read) {
  const int32_t k = series.intervals();
  if (k > kMaxIntervals) {
    read.messages.push_back({DataMessageCode::TooManyIntervals, 0, std::to_string(k)});
    return;
  }
  const int64_t total = series.total();
  read.count = static_cast<int32_t>(std::min<int64_t>(total, INT32_MAX));
  read.intervalLength = groupedIntervalLength(series);
  read.min = stored(series.left);
  read.max = stored(series.left + k * series.length);
  if (total > kMaxSampleCount) {
    read.messages.push_back({DataMessageCode::TooManyValues, 0, std::to_string(total)});
  } else {
    read.values = groupedSample(series).values;
    if (read.values.empty()) read.messages.push_back({DataMessageCode::NotExact, 0, {}});
    if (total == 1) read.messages.push_back({DataMessageCode::FewValues, 0, "1"});
  }
  read.grouped = std::move(series);
}

}  // namespace

void readGroupedLines(const std::vector<DataLine>& lines, const FieldRules& rules, DataRead& read) {
  std::vector<GroupedRow> rows;
  std::optional<bool> edges;
  for (const DataLine& line : lines) {
    const std::vector<Item> items = itemsOf(line, rules);
    const bool anything = std::any_of(items.begin(), items.end(), [](const Item& item) {
      return item.kind == Item::Kind::Number || item.kind == Item::Kind::Interval;
    });
    if (!anything) {
      addSkipped(read, line.line, line.text, SkipReason::NoNumber);
      continue;
    }
    std::optional<GroupedRow> row = rowOf(items, line.line);
    // Rows keep the form of the first one: edges, or midpoints.
    if (row && !edges) edges = row->edges;
    if (!row || row->edges != *edges) {
      addSkipped(read, line.line, line.text, SkipReason::NotGroupedRow);
      continue;
    }
    rows.push_back(std::move(*row));
  }
  if (indexedMidpoints(rows))
    for (GroupedRow& row : rows) {
      row.edges = false;
      row.a = row.b;
    }
  tallyDecimals(rows, read);
  if (rows.empty()) {
    read.messages.push_back({DataMessageCode::NoNumbers, 0, {}});
    return;
  }
  if (std::optional<GroupedSeries> series = buildGroupedSeries(std::move(rows), read))
    finishSeries(std::move(*series), read);
}

}  // namespace engine
