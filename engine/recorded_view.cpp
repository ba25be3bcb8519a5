// An AnalysisView that keeps everything in memory.
#include "engine/recorded_view.h"

namespace engine {

void RecordedView::clearLog() { log_.clear(); }

void RecordedView::appendLog(const std::string& line) { log_.push_back(line); }

int32_t RecordedView::gridRowCount() const { return grid_.rowCount(); }

void RecordedView::setGridRowCount(int32_t rows) { grid_.setRowCount(rows); }

void RecordedView::setGridCell(int32_t column, int32_t row, const std::string& text) {
  grid_.setCell(column, row, text);
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

}  // namespace engine
