// The chart of a run: the stair-step histogram and the fitted normal curve.
#pragma once

#include <QChartView>
#include <QColor>
#include <QImage>
#include <QString>
#include <array>
#include <vector>

#include "layout_scale.h"

class QAreaSeries;
class QCategoryAxis;
class QLineSeries;
class QScatterSeries;
class QValueAxis;

namespace ui {

// Points arrive one by one while a run goes on and reach the chart together
// in refresh(), so a run redraws once instead of once per point.
class AnalysisChart : public QChartView {
  Q_OBJECT

 public:
  static constexpr int kHistogram = 0;
  static constexpr int kCurve = 1;

  AnalysisChart(const LayoutScale& scale, QWidget* parent);

  void clearSeries(int series);
  void appendPoint(int series, double x, double y, const QString& label, const QColor& colour);
  // Hands the points to the series, ordered by x, and fits the axes to them.
  void refresh();

  // The chart as it is drawn on screen, also while the window is hidden.
  QImage picture();

  // Points of a series as appended and kept: non-finite points are dropped.
  int pointCount(int series) const;

  // Series1: the histogram as an area over a stepped outline; Series2: the curve.
  QAreaSeries* Series1 = nullptr;
  QLineSeries* Series2 = nullptr;
  QLineSeries* stairs() const { return stairs_; }
  QScatterSeries* markers() const { return markers_; }
  QCategoryAxis* axisX() const { return axisX_; }
  QValueAxis* axisY() const { return axisY_; }

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

  std::array<std::vector<Point>, 2> points_;
  QLineSeries* stairs_ = nullptr;
  QScatterSeries* markers_ = nullptr;
  QCategoryAxis* axisX_ = nullptr;
  QValueAxis* axisY_ = nullptr;
  int rightMargin_ = 0;
};

}  // namespace ui
