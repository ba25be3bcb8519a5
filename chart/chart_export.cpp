// Writing the chart to PNG, SVG (QSvgGenerator) or PDF (QPdfWriter).
#include "chart/chart_export.h"

#include <QBuffer>
#include <QChart>
#include <QCoreApplication>
#include <QImageWriter>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <stdexcept>
#include <string>

#include "chart/analysis_chart.h"
#include "chart/chart_rendering.h"

namespace chart {

namespace {

constexpr double kMetersPerInch = 0.0254;

QByteArray pngBytes(AnalysisChart& chart) {
  const double ratio = kPrintPixelRatio * chart.devicePixelRatioF();
  QImage image = chart.printPicture(ratio);
  // Shown at its resolution, the picture is as large as the chart on screen.
  const int dotsPerMeter = qRound(chart.logicalDpiX() * ratio / kMetersPerInch);
  image.setDotsPerMeterX(dotsPerMeter);
  image.setDotsPerMeterY(dotsPerMeter);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "png");
  if (!writer.write(image)) throw std::runtime_error(writer.errorString().toStdString());
  return bytes;
}

QString chartTitle(AnalysisChart& chart) {
  return chart.chart() != nullptr ? chart.chart()->title() : QString();
}

// Draws the chart as vectors on `device`; `writer` names the device in the error.
void paintVectors(AnalysisChart& chart, QPaintDevice& device, const char* writer) {
  QPainter painter;
  if (!painter.begin(&device)) throw std::runtime_error(std::string(writer) + " did not start");
  chart.paintVector(painter);
  painter.end();
}

QByteArray svgBytes(AnalysisChart& chart) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setSize(chart.size());
  svg.setViewBox(QRect(QPoint(), chart.size()));
  svg.setResolution(chart.logicalDpiX());
  svg.setTitle(chartTitle(chart));
  svg.setDescription(QStringLiteral("Tarnek"));
  paintVectors(chart, svg, "the SVG writer");
  return bytes;
}

QByteArray pdfBytes(AnalysisChart& chart) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    // A pixel of the chart is a pixel of the page, so the page has the chart's size on screen.
    const int dpi = chart.logicalDpiX();
    writer.setResolution(dpi);
    const QSizeF points = QSizeF(chart.size()) * 72.0 / dpi;
    writer.setPageLayout(
        QPageLayout(QPageSize(points, QPageSize::Point, QString(), QPageSize::ExactMatch),
                    QPageLayout::Portrait, QMarginsF()));
    writer.setTitle(chartTitle(chart));
    writer.setCreator(QStringLiteral("Tarnek"));
    paintVectors(chart, writer, "the PDF writer");
  }
  return bytes;
}

}  // namespace

std::optional<ChartFormat> chartFormatForPath(const QString& path) {
  for (const ChartFormat format : {ChartFormat::Png, ChartFormat::Svg, ChartFormat::Pdf}) {
    if (path.endsWith(chartSuffix(format), Qt::CaseInsensitive)) return format;
  }
  return std::nullopt;
}

QString chartSuffix(ChartFormat format) {
  switch (format) {
    case ChartFormat::Png:
      return QStringLiteral(".png");
    case ChartFormat::Svg:
      return QStringLiteral(".svg");
    case ChartFormat::Pdf:
      break;
  }
  return QStringLiteral(".pdf");
}

QByteArray chartFileBytes(AnalysisChart& chart, ChartFormat format) {
  switch (format) {
    case ChartFormat::Png:
      return pngBytes(chart);
    case ChartFormat::Svg:
      return svgBytes(chart);
    case ChartFormat::Pdf:
      break;
  }
  return pdfBytes(chart);
}

}  // namespace chart
