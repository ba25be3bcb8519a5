// The narrow interface through which an analysis run writes its results.
#pragma once

#include <cstdint>
#include <string>

namespace engine {

struct Colour {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  bool operator==(const Colour& other) const {
    return red == other.red && green == other.green && blue == other.blue;
  }
};

inline constexpr Colour kRed{255, 0, 0};

// One point of a chart's series as a run appends it.
struct RecordedPoint {
  double x = 0.0;
  double y = 0.0;
  std::string label;
  Colour colour;
};

// Series indices on the chart: the histogram and the fitted curve.
inline constexpr int32_t kHistogramSeries = 0;
inline constexpr int32_t kCurveSeries = 1;

// Everything a run asks of a toolkit: the log, the grid, the chart's two
// series and a message box. The window implements it with widgets, the
// companion with text, the tests with vectors. Texts are UTF-8.
class AnalysisView {
 public:
  virtual ~AnalysisView() = default;

  virtual void clearLog() = 0;
  virtual void appendLog(const std::string& line) = 0;

  // The grid has 11 columns. Cells are addressed (column, row) from 0.
  // A cell set in a row beyond the row count is kept and shows once the
  // row count grows to include it.
  virtual int32_t gridRowCount() const = 0;
  virtual void setGridRowCount(int32_t rows) = 0;
  virtual void setGridCell(int32_t column, int32_t row, const std::string& text) = 0;

  // series is kHistogramSeries or kCurveSeries.
  virtual void clearSeries(int32_t series) = 0;
  virtual void appendPoint(int32_t series, double x, double y, const std::string& label,
                           Colour colour) = 0;

  // A modal message with one OK button; returns when it is closed.
  virtual void showMessage(const std::string& text) = 0;
};

}  // namespace engine
