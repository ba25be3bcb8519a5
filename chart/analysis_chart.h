// The chart of a run: the stair-step histogram and the fitted normal curve.
#pragma once

#include <QChartView>
#include <QColor>
#include <QImage>
#include <QString>
#include <array>
#include <vector>

#include "chart/design_scale.h"
#include "engine/analysis_view.h"

class QAreaSeries;
class QCategoryAxis;
class QLineSeries;
class QValueAxis;

namespace chart {

// Points arrive one by one while a run goes on and reach the chart together
// in refresh(), so a run redraws once instead of once per point.
class AnalysisChart : public QChartView {
  Q_OBJECT

 public:
  AnalysisChart(const LayoutScale& scale, QWidget* parent);

  // series is engine::kHistogramSeries or engine::kCurveSeries.
  void clearSeries(int series);
  void appendPoint(int series, double x, double y, const QString& label, const QColor& colour);
  // Hands the points to the series, ordered by x, and fits the axes to them.
  void refresh();

  // The chart as it is drawn on screen, also while the window is hidden.
  QImage picture();
  // The chart as drawn, rendered at devicePixelRatio times its pixels for print.
  QImage printPicture(double devicePixelRatio);
  // The chart as drawn, without the focus frame, on a painter of a vector device (SVG, PDF,
  // printer) whose unit is the chart's pixel: lines, areas and text stay vectors.
  void paintVector(QPainter& painter);

  // Points of a series as appended and kept: non-finite points are dropped.
  int pointCount(int series) const;

  // The edges that get a label on an axis `plotWidth` pixels wide: evenly
  // spread, the first and the last where there is room, no two labels closer
  // than `gap` pixels. `widths` are the labels' widths in pixels. Qt Charts
  // cuts a label short ("15...") that is wider than its share of the axis,
  // axisWidth / (labels + 1) less its padding, so no more labels are chosen
  // than leave every chosen one its whole width.
  static std::vector<size_t> labelledEdges(const std::vector<double>& edges,
                                           const std::vector<double>& widths, double plotWidth,
                                           double gap, double axisWidth);

  // The most a label of an axis `axisWidth` pixels wide with `labels` labels
  // may take before Qt Charts cuts it short.
  static double labelShare(double axisWidth, size_t labels);

  // Series1: the histogram as an area over a stepped outline; Series2: the curve.
  QAreaSeries* Series1 = nullptr;
  QLineSeries* Series2 = nullptr;
  QLineSeries* stairs() const { return stairs_; }
  QCategoryAxis* axisX() const { return axisX_; }
  QValueAxis* axisY() const { return axisY_; }

 protected:
  // The menu key or Shift+F10 ask for the context menu at the chart's centre.
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  struct Point {
    double x = 0.0;
    double y = 0.0;
    QString label;
    QColor colour;
  };

  void fillHistogram(const std::vector<Point>& points);
  void fillCurve(const std::vector<Point>& points);
  void fitAxes(const std::vector<Point>& histogram, const std::vector<Point>& curve);
  void labelEdges(const std::vector<Point>& histogram, double minX, double maxX);

  std::array<std::vector<Point>, 2> points_;
  QLineSeries* stairs_ = nullptr;
  QCategoryAxis* axisX_ = nullptr;
  QValueAxis* axisY_ = nullptr;
  int leftMargin_ = 0;
  int rightMargin_ = 0;
  int focusFrameWidth_ = 1;
  // Off while the picture for the clipboard and the report is taken.
  bool focusFrameShown_ = true;
};

}  // namespace chart
