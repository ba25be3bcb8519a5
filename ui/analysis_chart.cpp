// The chart of a run on Qt Charts: stepped area, point markers, curve, edge-labelled axis.
#include "analysis_chart.h"

#include <QAreaSeries>
#include <QCategoryAxis>
#include <QChart>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QGraphicsLayout>
#include <QLineSeries>
#include <QLocale>
#include <QScatterSeries>
#include <QSet>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "captions.h"

namespace ui {

namespace {

const QColor kCurveColour(64, 0, 64);
const QColor kOutlineColour(Qt::black);
const QColor kDefaultPointColour(Qt::red);
const QColor kGridColour(224, 224, 224);
constexpr int kMarkerSize = 6;
// Room left between two edge labels, in screen pixels.
constexpr double kLabelGap = 8.0;
// The plot takes about this share of the chart's width; labels are thinned against it.
constexpr double kPlotShare = 0.85;

bool isFinitePoint(double x, double y) { return std::isfinite(x) && std::isfinite(y); }

int decimalsForStep(double step) {
  if (!(step > 0.0)) return 0;
  return std::clamp(static_cast<int>(std::ceil(-std::log10(step) - 1e-9)), 0, 6);
}

}  // namespace

AnalysisChart::AnalysisChart(const LayoutScale& scale, QWidget* parent) : QChartView(parent) {
  auto* chart = new QChart;
  chart->setTitle(QString::fromUtf8(text::kChartTitle));
  chart->setTitleFont(chartTitleFont(scale));
  chart->setTitleBrush(Qt::black);
  chart->legend()->hide();
  chart->setAnimationOptions(QChart::NoAnimation);
  chart->setBackgroundBrush(Qt::white);
  chart->setBackgroundRoundness(0);
  chart->setDropShadowEnabled(false);
  rightMargin_ = scale.px(12);
  chart->setMargins(QMargins(scale.px(4), scale.px(5), rightMargin_, scale.px(2)));
  chart->layout()->setContentsMargins(0, 0, 0, 0);
  chart->setLocalizeNumbers(true);
  chart->setLocale(QLocale::system());

  stairs_ = new QLineSeries(this);
  Series1 = new QAreaSeries(stairs_);
  Series1->setName(QString::fromUtf8(text::kHistogramTitle));
  Series1->setPen(QPen(kOutlineColour, 1));
  Series1->setBrush(QBrush(kDefaultPointColour, Qt::HorPattern));

  markers_ = new QScatterSeries;
  markers_->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
  markers_->setMarkerSize(scale.px(kMarkerSize));
  markers_->setColor(kDefaultPointColour);
  markers_->setBorderColor(kDefaultPointColour);

  Series2 = new QLineSeries;
  Series2->setName(QString::fromUtf8(text::kCurveTitle));
  Series2->setPen(QPen(kCurveColour, std::max(1, scale.px(2))));

  chart->addSeries(Series1);
  chart->addSeries(markers_);
  chart->addSeries(Series2);

  const QFont labelFont = formFont();
  axisX_ = new QCategoryAxis;
  axisX_->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
  axisY_ = new QValueAxis;
  for (QAbstractAxis* axis : {static_cast<QAbstractAxis*>(axisX_), static_cast<QAbstractAxis*>(axisY_)}) {
    axis->setLabelsFont(labelFont);
    axis->setGridLineColor(kGridColour);
    chart->addAxis(axis, axis == axisX_ ? Qt::AlignBottom : Qt::AlignLeft);
  }
  for (QAbstractSeries* series : chart->series()) {
    series->attachAxis(axisX_);
    series->attachAxis(axisY_);
  }

  setChart(chart);
  setRenderHint(QPainter::Antialiasing);
  setFocusPolicy(Qt::StrongFocus);
  setDragMode(QGraphicsView::NoDrag);
  refresh();
}

void AnalysisChart::clearSeries(int series) {
  if (series == kHistogram || series == kCurve) points_[static_cast<size_t>(series)].clear();
}

void AnalysisChart::appendPoint(int series, double x, double y, const QString& label,
                                const QColor& colour) {
  if (series != kHistogram && series != kCurve) return;
  // A point that cannot be placed would only break the axes.
  if (!isFinitePoint(x, y)) return;
  points_[static_cast<size_t>(series)].push_back(Point{x, y, label, colour});
}

int AnalysisChart::pointCount(int series) const {
  if (series != kHistogram && series != kCurve) return 0;
  return static_cast<int>(points_[static_cast<size_t>(series)].size());
}

void AnalysisChart::refresh() {
  for (auto& points : points_)
    std::stable_sort(points.begin(), points.end(),
                     [](const Point& a, const Point& b) { return a.x < b.x; });
  fillHistogram(points_[kHistogram]);
  fillCurve(points_[kCurve]);
  fitAxes(points_[kHistogram], points_[kCurve]);
}

void AnalysisChart::fillHistogram(const std::vector<Point>& points) {
  // Each point holds its height up to the next point's x, then the outline steps.
  QList<QPointF> outline;
  QList<QPointF> corners;
  outline.reserve(static_cast<qsizetype>(points.size() * 2));
  corners.reserve(static_cast<qsizetype>(points.size()));
  for (size_t i = 0; i < points.size(); ++i) {
    outline.append(QPointF(points[i].x, points[i].y));
    corners.append(QPointF(points[i].x, points[i].y));
    if (i + 1 < points.size()) outline.append(QPointF(points[i + 1].x, points[i].y));
  }
  stairs_->replace(outline);
  markers_->replace(corners);

  const QColor colour = points.empty() ? kDefaultPointColour : points.front().colour;
  Series1->setBrush(QBrush(colour, Qt::HorPattern));
  markers_->setColor(colour);
  markers_->setBorderColor(colour);
  markers_->clearPointsConfiguration();
  for (size_t i = 0; i < points.size(); ++i) {
    if (points[i].colour != colour)
      markers_->setPointConfiguration(static_cast<int>(i), QXYSeries::PointConfiguration::Color,
                                      points[i].colour);
  }
}

void AnalysisChart::fillCurve(const std::vector<Point>& points) {
  // The curve keeps its own colour; the points' colours do not tint a line.
  QList<QPointF> line;
  line.reserve(static_cast<qsizetype>(points.size()));
  for (const Point& point : points) line.append(QPointF(point.x, point.y));
  Series2->replace(line);
}

void AnalysisChart::fitAxes(const std::vector<Point>& histogram, const std::vector<Point>& curve) {
  for (const QString& label : axisX_->categoriesLabels()) axisX_->remove(label);

  double minX = INFINITY;
  double maxX = -INFINITY;
  double minY = 0.0;
  double maxY = 0.0;
  for (const auto* points : {&histogram, &curve}) {
    for (const Point& point : *points) {
      minX = std::min(minX, point.x);
      maxX = std::max(maxX, point.x);
      minY = std::min(minY, point.y);
      maxY = std::max(maxY, point.y);
    }
  }
  const bool empty = histogram.empty() && curve.empty();
  axisX_->setLabelsVisible(!empty);
  axisY_->setLabelsVisible(!empty);
  if (empty) {
    axisX_->setStartValue(0.0);
    axisX_->setRange(0.0, 1.0);
    axisY_->setRange(0.0, 1.0);
    return;
  }
  if (!(maxX > minX)) {
    const double pad = std::max(0.5, std::abs(minX) * 0.05);
    minX -= pad;
    maxX += pad;
  }
  if (!(maxY > minY)) maxY = minY + 1.0;

  // Edge labels: thin them out when the narrowest interval cannot hold the widest label.
  const QFontMetricsF metrics(axisX_->labelsFont());
  double widest = 0.0;
  double narrowest = maxX - minX;
  for (size_t i = 0; i < histogram.size(); ++i) {
    widest = std::max(widest, metrics.horizontalAdvance(histogram[i].label));
    if (i > 0) narrowest = std::min(narrowest, histogram[i].x - histogram[i - 1].x);
  }
  // The last label is centred on the right edge: keep room for its half.
  QMargins margins = chart()->margins();
  margins.setRight(std::max(rightMargin_, static_cast<int>(std::ceil(widest / 2.0)) + 2));
  chart()->setMargins(margins);
  const double plotWidth = std::max(1.0, width() * kPlotShare);
  const double spacing = narrowest / (maxX - minX) * plotWidth;
  const size_t step =
      spacing > 0.0 ? std::max<size_t>(1, static_cast<size_t>(std::ceil((widest + kLabelGap) / spacing)))
                    : 1;

  axisX_->setStartValue(minX);
  QSet<QString> used;
  double lastX = -INFINITY;
  for (size_t i = 0; i < histogram.size(); i += step) {
    const Point& point = histogram[i];
    // The axis needs unique labels at rising positions; a repeat would be dropped anyway.
    if (point.x <= lastX || used.contains(point.label)) continue;
    axisX_->append(point.label, point.x);
    used.insert(point.label);
    lastX = point.x;
  }
  axisX_->setRange(minX, maxX);

  axisY_->setRange(minY, maxY * 1.1);
  axisY_->applyNiceNumbers();
  const double tickStep = (axisY_->max() - axisY_->min()) / std::max(1, axisY_->tickCount() - 1);
  axisY_->setLabelFormat(QStringLiteral("%.%1f").arg(decimalsForStep(tickStep)));
}

QImage AnalysisChart::picture() {
  // Settle the chart's pending layout first, so the picture is what the screen shows.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
  return grab().toImage();
}

}  // namespace ui
