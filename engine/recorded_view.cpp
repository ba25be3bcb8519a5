// An AnalysisView that keeps everything in memory.
#include "recorded_view.h"

namespace engine {

namespace {
// Far above the 22 rows a run can use; guards against a runaway caller.
constexpr int32_t kMaxRows = 4096;
const std::string kEmpty;
}  // namespace

RecordedView::RecordedView() : cells_(static_cast<size_t>(rowCount_)) {}

void RecordedView::clearLog() { log_.clear(); }

void RecordedView::appendLog(const std::string& line) { log_.push_back(line); }

int32_t RecordedView::gridRowCount() const { return rowCount_; }

void RecordedView::setGridRowCount(int32_t rows) {
  rowCount_ = rows < 0 ? 0 : (rows > kMaxRows ? kMaxRows : rows);
}

void RecordedView::setGridCell(int32_t column, int32_t row, const std::string& text) {
  if (column < 0 || column >= kColumns || row < 0 || row >= kMaxRows) return;
  if (static_cast<size_t>(row) >= cells_.size()) cells_.resize(static_cast<size_t>(row) + 1);
  cells_[static_cast<size_t>(row)][static_cast<size_t>(column)] = text;
}

void RecordedView::clearSeries(int32_t series) {
  if (series == kHistogramSeries || series == kCurveSeries) series_[series].clear();
}

void RecordedView::appendPoint(int32_t series, double x, double y, const std::string& label,
                               Colour colour) {
  if (series == kHistogramSeries || series == kCurveSeries)
    series_[series].push_back(RecordedPoint{x, y, label, colour});
}

void RecordedView::showMessage(const std::string& text) { messages_.push_back(text); }

std::vector<RecordedView::Row> RecordedView::gridRows() const {
  std::vector<Row> rows(static_cast<size_t>(rowCount_));
  for (size_t r = 0; r < rows.size() && r < cells_.size(); ++r) rows[r] = cells_[r];
  return rows;
}

const std::string& RecordedView::cell(int32_t column, int32_t row) const {
  if (column < 0 || column >= kColumns || row < 0 || row >= rowCount_ ||
      static_cast<size_t>(row) >= cells_.size())
    return kEmpty;
  return cells_[static_cast<size_t>(row)][static_cast<size_t>(column)];
}

}  // namespace engine
