// An AnalysisView that keeps everything in memory, for the companion and tests.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "engine/analysis_view.h"
#include "engine/grid_store.h"

namespace engine {

class RecordedView : public AnalysisView {
 public:
  using Row = GridStore::Row;

  // Starts like the window's grid: 4 rows of 11 empty cells.
  RecordedView() = default;

  void clearLog() override { log_.clear(); }
  void appendLog(const std::string& line) override { log_.push_back(line); }
  int32_t gridRowCount() const override { return grid_.rowCount(); }
  void setGridRowCount(int32_t rows) override { grid_.setRowCount(rows); }
  void setGridCell(int32_t column, int32_t row, const std::string& text) override {
    grid_.setCell(column, row, text);
  }
  // A series other than the two is ignored.
  void clearSeries(int32_t series) override {
    if (isSeries(series)) series_[series].clear();
  }
  void appendPoint(int32_t series, double x, double y, const std::string& label,
                   Colour colour) override {
    if (isSeries(series)) series_[series].push_back(RecordedPoint{x, y, label, colour});
  }
  void showMessage(const std::string& text) override { messages_.push_back(text); }

  const std::vector<std::string>& log() const { return log_; }
  const std::vector<std::string>& messages() const { return messages_; }
  // The rows that exist now (gridRowCount of them), cells set beyond kept aside.
  std::vector<Row> gridRows() const { return grid_.rows(); }
  // Text of a cell; "" for a cell never set or outside the grid.
  const std::string& cell(int32_t column, int32_t row) const { return grid_.cell(column, row); }
  const std::vector<RecordedPoint>& histogram() const { return series_[kHistogramSeries]; }
  const std::vector<RecordedPoint>& curve() const { return series_[kCurveSeries]; }

 private:
  static bool isSeries(int32_t series) {
    return series == kHistogramSeries || series == kCurveSeries;
  }

  std::vector<std::string> log_;
  std::vector<std::string> messages_;
  GridStore grid_{4};
  std::array<std::vector<RecordedPoint>, 2> series_;
};

}  // namespace engine
