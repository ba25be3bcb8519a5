// Rendering a widget's drawing at a higher pixel density than the screen's.
#include "chart/chart_rendering.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPainter>
#include <QWidget>

namespace chart {

QImage renderChart(QWidget& chart, double devicePixelRatio) {
  // Settle pending layout first, so the picture shows what the screen shows.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
  const QSize size = chart.size() * devicePixelRatio;
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(devicePixelRatio);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  chart.render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
  painter.end();
  return image.convertToFormat(QImage::Format_RGB32);
}

}  // namespace chart
