// Making a grouped series of the rows read: sorted, checked and its empty end intervals dropped.
#include "engine/grouped_series_builder.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>

#include "engine/stored.h"

namespace engine {

namespace {

std::string decimalText(double value, char separator) {
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%.6g", value);
  std::string text = buffer;
  for (char& c : text)
    if (c == '.') c = separator;
  return text;
}

// A sum or difference of decimals without the double's noise (1.3 − 1.2 is 0.1).
double cleanDecimal(double value) {
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%.12g", value);
  return std::strtod(buffer, nullptr);
}

class SeriesBuilder {
 public:
  SeriesBuilder(std::vector<GroupedRow> rows, DataRead& read)
      : rows_(std::move(rows)), read_(read) {}

  std::optional<GroupedSeries> build() {
    if (rows_.empty()) return std::nullopt;
    const bool frequencies = frequenciesGood();
    if (tooLarge_) {
      read_.messages.push_back({DataMessageCode::TooManyValues, 0, "> 1000000000"});
      return std::nullopt;
    }
    std::stable_sort(rows_.begin(), rows_.end(), [](const GroupedRow& x, const GroupedRow& y) {
      return x.a.number.exact < y.a.number.exact;
    });
    const bool good = frequencies && (rows_.front().edges ? edgesGood() : midpointsGood());
    if (!good) return std::nullopt;
    GroupedSeries series;
    series.length = length_;
    for (const GroupedRow& row : rows_) {
      series.frequencies.push_back(static_cast<int32_t>(row.frequency.number.exact));
      series.midpoints.push_back(
          row.edges ? stored(cleanDecimal((row.a.number.exact + row.b.number.exact) / 2))
                    : row.a.number.value);
    }
    return dropEmptyEnds(series);
  }

 private:
  char separator() const { return read_.decimal == DataReadOptions::Decimal::Comma ? ',' : '.'; }

  double tolerance(const GroupedRow& row) const {
    const double size = std::max(std::fabs(row.a.number.exact), std::fabs(row.b.number.exact));
    return 1e-6 * std::fabs(length_) + 1e-9 * size;
  }

  void problem(DataMessageCode code, const GroupedRow& row, std::string detail = {}) {
    read_.messages.push_back({code, row.line, std::move(detail)});
  }

  bool frequenciesGood() {
    bool good = true;
    for (const GroupedRow& row : rows_) {
      const double n = row.frequency.number.exact;
      if (n < 0.0) {
        problem(DataMessageCode::NegativeFrequency, row, row.frequency.text);
        good = false;
      } else if (n != std::floor(n)) {
        problem(DataMessageCode::FractionalFrequency, row, row.frequency.text);
        good = false;
      } else if (n > 1e9) {
        // Far above what can be analysed; the total says so below.
        tooLarge_ = true;
      }
    }
    return good;
  }

  bool edgesGood() {
    bool good = true;
    length_ = cleanDecimal(rows_.front().b.number.exact - rows_.front().a.number.exact);
    for (size_t i = 0; i < rows_.size(); ++i) {
      const GroupedRow& row = rows_[i];
      const double width = row.b.number.exact - row.a.number.exact;
      if (!(width > 0.0)) {
        problem(DataMessageCode::ReversedEdges, row);
        good = false;
        continue;
      }
      if (std::fabs(width - length_) > tolerance(row)) {
        problem(DataMessageCode::UnequalWidths, row, decimalText(width, separator()));
        good = false;
      } else if (i > 0 &&
                 std::fabs(row.a.number.exact - rows_[i - 1].b.number.exact) > tolerance(row)) {
        problem(DataMessageCode::IntervalGap, row);
        good = false;
      }
    }
    return good && length_ > 0.0;
  }

  bool midpointsGood() {
    if (rows_.size() < 2) {
      problem(DataMessageCode::SingleMidpoint, rows_.front());
      return false;
    }
    bool good = true;
    length_ = cleanDecimal(rows_[1].a.number.exact - rows_[0].a.number.exact);
    for (size_t i = 1; i < rows_.size(); ++i) {
      const GroupedRow& row = rows_[i];
      const double step = row.a.number.exact - rows_[i - 1].a.number.exact;
      if (!(step > 0.0)) {
        problem(DataMessageCode::IntervalGap, row);
        good = false;
      } else if (std::fabs(step - length_) > tolerance(row)) {
        problem(DataMessageCode::UnequalWidths, row, decimalText(step, separator()));
        good = false;
      }
    }
    return good && length_ > 0.0;
  }

  std::optional<GroupedSeries> dropEmptyEnds(GroupedSeries& series) {
    size_t first = 0;
    size_t last = rows_.size();
    while (first < last && series.frequencies[first] == 0) {
      problem(DataMessageCode::EmptyEdgeDropped, rows_[first]);
      ++first;
    }
    while (last > first && series.frequencies[last - 1] == 0) {
      problem(DataMessageCode::EmptyEdgeDropped, rows_[last - 1]);
      --last;
    }
    if (first == last) {
      read_.messages.push_back({DataMessageCode::NoFrequencies, 0, {}});
      return std::nullopt;
    }
    const GroupedRow& kept = rows_[first];
    series.left =
        kept.edges ? kept.a.number.exact : cleanDecimal(kept.a.number.exact - length_ / 2);
    const auto from = static_cast<std::ptrdiff_t>(first);
    const auto to = static_cast<std::ptrdiff_t>(last);
    series.frequencies = {series.frequencies.begin() + from, series.frequencies.begin() + to};
    series.midpoints = {series.midpoints.begin() + from, series.midpoints.begin() + to};
    return series;
  }

  std::vector<GroupedRow> rows_;
  DataRead& read_;
  double length_ = 0.0;
  bool tooLarge_ = false;
};

}  // namespace

std::optional<GroupedSeries> buildGroupedSeries(std::vector<GroupedRow> rows, DataRead& read) {
  return SeriesBuilder(std::move(rows), read).build();
}

}  // namespace engine
