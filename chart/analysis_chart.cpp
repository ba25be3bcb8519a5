// The chart of a run on Qt Charts: stepped area, curve, edge-labelled axis, keyboard focus.
#include "chart/analysis_chart.h"

#include <QAreaSeries>
#include <QCategoryAxis>
#include <QChart>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGraphicsLayout>
#include <QKeyEvent>
#include <QLineSeries>
#include <QLocale>
#include <QPainter>
#include <QSet>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "chart/chart_rendering.h"
#include "chart/texts.h"
#include "engine/axis_labels.h"

namespace chart {

using engine::kCurveSeries;
using engine::kHistogramSeries;

namespace {

constexpr double kTitleFontDesignPixels = 20.0;

// The title's font: 20 pixels at 120 dpi, italic, a script face where one with Cyrillic letters
// is installed, else a serif.
QFont chartTitleFont(const LayoutScale& scale) {
  // Script faces first; the first one that can write Russian wins.
  static const QString preferred[] = {QStringLiteral("Odessa Script"), QStringLiteral("Z003"),
                                      QStringLiteral("URW Chancery L"),
                                      QStringLiteral("DejaVu Serif")};
  QString family = QStringLiteral("serif");
  for (const QString& candidate : preferred) {
    // Empty for a face that is not installed.
    if (QFontDatabase::writingSystems(candidate).contains(QFontDatabase::Cyrillic)) {
      family = candidate;
      break;
    }
  }
  QFont font(family);
  font.setStyleHint(QFont::Serif);
  font.setItalic(true);
  font.setPixelSize(std::max(1, scale.px(static_cast<int>(kTitleFontDesignPixels))));
  return font;
}

const QColor kCurveColour(64, 0, 64);
const QColor kOutlineColour(Qt::black);
const QColor kDefaultPointColour(Qt::red);
const QColor kGridColour(224, 224, 224);
// Room left between two edge labels, in screen pixels.
constexpr double kLabelGap = 8.0;
// The padding Qt Charts keeps around an axis label, and what its text item adds to the text's
// advance, in screen pixels.
constexpr double kChartLabelPadding = 4.0;
constexpr double kLabelItemMargin = 1.0;
// What the y axis takes besides its labels' text: ticks and spacing, in screen pixels.
constexpr double kYAxisExtra = 12.0;

bool isFinitePoint(double x, double y) { return std::isfinite(x) && std::isfinite(y); }

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
  leftMargin_ = scale.px(4);
  rightMargin_ = scale.px(12);
  focusFrameWidth_ = std::max(1, scale.px(2));
  chart->setMargins(QMargins(leftMargin_, scale.px(5), rightMargin_, scale.px(2)));
  chart->layout()->setContentsMargins(0, 0, 0, 0);
  chart->setLocalizeNumbers(true);
  chart->setLocale(QLocale::system());

  stairs_ = new QLineSeries(this);
  Series1 = new QAreaSeries(stairs_);
  Series1->setName(QString::fromUtf8(text::kHistogramTitle));
  Series1->setPen(QPen(kOutlineColour, 1));
  Series1->setBrush(QBrush(kDefaultPointColour, Qt::HorPattern));
  // The points' markers stay hidden: their colour shows in the hatch only.
  Series1->setPointsVisible(false);

  Series2 = new QLineSeries;
  Series2->setName(QString::fromUtf8(text::kCurveTitle));
  Series2->setPen(QPen(kCurveColour, std::max(1, scale.px(2))));

  chart->addSeries(Series1);
  chart->addSeries(Series2);

  const QFont& labelFont = scale.font();
  axisX_ = new QCategoryAxis;
  axisX_->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
  axisY_ = new QValueAxis;
  for (QAbstractAxis* axis :
       {static_cast<QAbstractAxis*>(axisX_), static_cast<QAbstractAxis*>(axisY_)}) {
    axis->setLabelsFont(labelFont);
    axis->setGridLineColor(kGridColour);
    chart->addAxis(axis, axis == axisX_ ? Qt::AlignBottom : Qt::AlignLeft);
  }
  for (QAbstractSeries* series : chart->series()) {
    series->attachAxis(axisX_);
    series->attachAxis(axisY_);
  }

  // The view comes with a chart of its own, which it no longer owns once replaced.
  QChart* const defaultChart = this->chart();
  setChart(chart);
  delete defaultChart;
  setRenderHint(QPainter::Antialiasing);
  setFocusPolicy(Qt::StrongFocus);
  setDragMode(QGraphicsView::NoDrag);
  refresh();
}

void AnalysisChart::clearSeries(int series) {
  if (series == kHistogramSeries || series == kCurveSeries)
    points_[static_cast<size_t>(series)].clear();
}

void AnalysisChart::appendPoint(int series, double x, double y, const QString& label,
                                const QColor& colour) {
  if (series != kHistogramSeries && series != kCurveSeries) return;
  // A point that cannot be placed would only break the axes.
  if (!isFinitePoint(x, y)) return;
  points_[static_cast<size_t>(series)].push_back(Point{x, y, label, colour});
}

int AnalysisChart::pointCount(int series) const {
  if (series != kHistogramSeries && series != kCurveSeries) return 0;
  return static_cast<int>(points_[static_cast<size_t>(series)].size());
}

void AnalysisChart::refresh() {
  for (auto& points : points_)
    std::stable_sort(points.begin(), points.end(),
                     [](const Point& a, const Point& b) { return a.x < b.x; });
  fillHistogram(points_[kHistogramSeries]);
  fillCurve(points_[kCurveSeries]);
  fitAxes(points_[kHistogramSeries], points_[kCurveSeries]);
}

void AnalysisChart::fillHistogram(const std::vector<Point>& points) {
  // Each point holds its height up to the next point's x, then the outline steps.
  QList<QPointF> outline;
  outline.reserve(static_cast<qsizetype>(points.size()) * 2);
  for (size_t i = 0; i < points.size(); ++i) {
    outline.append(QPointF(points[i].x, points[i].y));
    if (i + 1 < points.size()) outline.append(QPointF(points[i + 1].x, points[i].y));
  }
  stairs_->replace(outline);

  const QColor colour = points.empty() ? kDefaultPointColour : points.front().colour;
  Series1->setBrush(QBrush(colour, Qt::HorPattern));
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
  // Nothing to show is a clean white plot: no axis line, grid, labels or frame.
  const bool empty = histogram.empty() && curve.empty();
  axisX_->setVisible(!empty);
  axisY_->setVisible(!empty);
  // An area with no points still strokes a stub of its outline.
  Series1->setVisible(!histogram.empty());
  Series2->setVisible(!curve.empty());
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

  axisY_->setRange(minY, maxY * 1.1);
  axisY_->applyNiceNumbers();
  const double tickStep = (axisY_->max() - axisY_->min()) / std::max(1, axisY_->tickCount() - 1);
  axisY_->setLabelFormat(QStringLiteral("%.%1f").arg(engine::decimalsForStep(tickStep)));

  axisX_->setStartValue(minX);
  axisX_->setRange(minX, maxX);
  labelEdges(histogram, minX, maxX);
}

double AnalysisChart::labelShare(double axisWidth, size_t labels) {
  return engine::labelShare(axisWidth, labels, kChartLabelPadding);
}

std::vector<size_t> AnalysisChart::labelledEdges(const std::vector<double>& edges,
                                                 const std::vector<double>& widths,
                                                 double plotWidth, double gap, double axisWidth) {
  return engine::labelledEdges(edges, widths, plotWidth, gap, axisWidth, kChartLabelPadding);
}

void AnalysisChart::labelEdges(const std::vector<Point>& histogram, double minX, double maxX) {
  const QFontMetricsF metrics(axisX_->labelsFont());
  std::vector<double> edges;
  std::vector<double> widths;
  for (const Point& point : histogram) {
    edges.push_back(point.x);
    widths.push_back(std::ceil(metrics.horizontalAdvance(point.label) + kLabelItemMargin));
  }
  // The y labels sit left of the plot; the first x label may reach over them, not past the chart.
  const QFontMetricsF yMetrics(axisY_->labelsFont());
  const int decimals = engine::decimalsForStep((axisY_->max() - axisY_->min()) /
                                               std::max(1, axisY_->tickCount() - 1));
  const double yLabels =
      std::max(
          yMetrics.horizontalAdvance(QLocale::system().toString(axisY_->max(), 'f', decimals)),
          yMetrics.horizontalAdvance(QLocale::system().toString(axisY_->min(), 'f', decimals))) +
      kYAxisExtra;
  const double firstHalf = widths.empty() ? 0.0 : widths.front() / 2.0;
  const double lastHalf = widths.empty() ? 0.0 : widths.back() / 2.0;
  QMargins margins = chart()->margins();
  // The chart draws a label with a little padding of its own around the text.
  const int slack = static_cast<int>(kLabelGap);
  margins.setLeft(std::max(leftMargin_, static_cast<int>(std::ceil(firstHalf - yLabels)) + slack));
  margins.setRight(std::max(rightMargin_, static_cast<int>(std::ceil(lastHalf)) + slack));
  chart()->setMargins(margins);

  const double plotWidth =
      std::max(1.0, width() - margins.left() - margins.right() - yLabels - 2.0 * frameWidth());
  const double span = maxX - minX;
  QSet<QString> used;
  double lastX = -INFINITY;
  for (size_t i : labelledEdges(
           edges, widths,
           plotWidth * (edges.empty() || span <= 0.0 ? 1.0 : (edges.back() - edges.front()) / span),
           kLabelGap, plotWidth - kLabelGap)) {
    const Point& point = histogram[i];
    // The axis needs unique labels at rising positions; a repeat would be dropped anyway.
    if (point.x <= lastX || used.contains(point.label)) continue;
    axisX_->append(point.label, point.x);
    used.insert(point.label);
    lastX = point.x;
  }
  axisX_->setRange(minX, maxX);
}

void AnalysisChart::keyPressEvent(QKeyEvent* event) {
  const bool menuKey = event->key() == Qt::Key_Menu ||
                       (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier);
  if (!menuKey) {
    QChartView::keyPressEvent(event);
    return;
  }
  event->accept();
  emit customContextMenuRequested(rect().center());
}

void AnalysisChart::paintEvent(QPaintEvent* event) {
  QChartView::paintEvent(event);
  if (!hasFocus() || !focusFrameShown_) return;
  QPainter painter(viewport());
  QPen pen(palette().color(QPalette::Highlight), focusFrameWidth_, Qt::DotLine);
  painter.setPen(pen);
  const int inset = focusFrameWidth_ / 2 + 1;
  painter.drawRect(viewport()->rect().adjusted(inset, inset, -inset - 1, -inset - 1));
}

void AnalysisChart::focusInEvent(QFocusEvent* event) {
  QChartView::focusInEvent(event);
  viewport()->update();
}

void AnalysisChart::focusOutEvent(QFocusEvent* event) {
  QChartView::focusOutEvent(event);
  viewport()->update();
}

void AnalysisChart::resizeEvent(QResizeEvent* event) {
  QChartView::resizeEvent(event);
  // More or less room for the edge labels: thin them anew.
  for (const QString& label : axisX_->categoriesLabels()) axisX_->remove(label);
  if (axisX_->isVisible()) labelEdges(points_[kHistogramSeries], axisX_->min(), axisX_->max());
}

QImage AnalysisChart::picture() {
  // Settle the chart's pending layout first, so the picture is what the screen shows.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
  focusFrameShown_ = false;
  QImage image = grab().toImage();
  focusFrameShown_ = true;
  return image;
}

QImage AnalysisChart::printPicture(double devicePixelRatio) {
  focusFrameShown_ = false;
  QImage image = renderChart(*this, devicePixelRatio);
  focusFrameShown_ = true;
  return image;
}

void AnalysisChart::paintVector(QPainter& painter) {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
  focusFrameShown_ = false;
  // Qt Charts strokes a solid line one segment at a time; a dash longer than any chart makes it
  // stroke the curve as one path, which a drawing program then treats as one line.
  const QPen curvePen = Series2->pen();
  QPen wholeCurve = curvePen;
  wholeCurve.setDashPattern({1e6, 1.0});
  Series2->setPen(wholeCurve);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.fillRect(rect(), Qt::white);
  QWidget::render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
  painter.restore();
  Series2->setPen(curvePen);
  focusFrameShown_ = true;
}

}  // namespace chart
