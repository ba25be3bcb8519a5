// The chart saved as a file: PNG at twice the screen's density, SVG and PDF as vector drawings.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace chart {

class AnalysisChart;

enum class ChartFormat { Png, Svg, Pdf };

// By the name's suffix, in any case: ".png", ".svg" or ".pdf"; nullopt for any other name.
std::optional<ChartFormat> chartFormatForPath(const QString& path);

// ".png", ".svg" or ".pdf".
QString chartSuffix(ChartFormat format);

// The whole file of the chart as it stands (its size, series, axes and labels), without the
// focus frame: a PNG of twice the chart's pixels on screen (times the screen's own ratio), which
// says so in its resolution; an SVG or a one-page PDF of the chart's size, the histogram, the
// curve and the text as vector paths and text. Throws std::runtime_error when the writer fails.
QByteArray chartFileBytes(AnalysisChart& chart, ChartFormat format);

}  // namespace chart
