// The report or the chart of one analysis, drawn and written without a display.
#include "cli/report_export.h"

#include <QApplication>
#include <QColor>
#include <cstdio>
#include <exception>
#include <memory>

#include "chart/analysis_chart.h"
#include "chart/chart_export.h"
#include "chart/chart_rendering.h"
#include "chart/design_scale.h"
#include "report/content/report_file.h"

namespace {

// The chart as the window draws it at its designed size.
void drawChart(chart::AnalysisChart& chart, const cli::ReportData& data) {
  chart.resize(chart::LayoutScale(1.0).size(chart::kChartDesignWidth, chart::kChartDesignHeight));
  const std::vector<engine::RecordedPoint>* series[] = {&data.histogram, &data.curve};
  for (int index = 0; index < 2; ++index) {
    chart.clearSeries(index);
    for (const engine::RecordedPoint& point : *series[index])
      chart.appendPoint(index, point.x, point.y, QString::fromStdString(point.label),
                        QColor(point.colour.red, point.colour.green, point.colour.blue));
  }
  chart.refresh();
}

report::ReportTexts reportTexts(const cli::ReportData& data) {
  report::ReportTexts texts;
  texts.columnCount = data.columnCount;
  for (const std::vector<std::string>& row : data.gridRows) {
    QStringList cells;
    for (const std::string& cell : row) cells << QString::fromStdString(cell);
    texts.gridRows.push_back(cells);
  }
  for (const std::string& line : data.logLines) texts.logLines << QString::fromStdString(line);
  texts.sampleFileName = QString::fromStdString(data.sampleFileName);
  texts.solution = data.solution;
  return texts;
}

QByteArray exportBytes(const cli::ReportData& data, cli::ExportKind kind) {
  const chart::LayoutScale scale(1.0);
  chart::AnalysisChart chart(scale, nullptr);
  drawChart(chart, data);
  switch (kind) {
    case cli::ExportKind::DocxReport:
    case cli::ExportKind::PdfReport:
      break;
    case cli::ExportKind::ChartPng:
      return chart::chartFileBytes(chart, chart::ChartFormat::Png);
    case cli::ExportKind::ChartSvg:
      return chart::chartFileBytes(chart, chart::ChartFormat::Svg);
    case cli::ExportKind::ChartPdf:
      return chart::chartFileBytes(chart, chart::ChartFormat::Pdf);
  }
  return report::reportDocumentBytes(
      reportTexts(data), chart.printPicture(chart::kPrintPixelRatio),
      kind == cli::ExportKind::PdfReport ? report::ReportFormat::Pdf : report::ReportFormat::Docx);
}

// Qt's own warnings about the desktop it does not use are noise on a terminal.
void keepSeriousMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg)
    std::fprintf(stderr, "tarnek-cli: %s\n", message.toLocal8Bit().constData());
}

}  // namespace

extern "C" bool tarnekBuildExport(const cli::ReportData& data, cli::ExportKind kind,
                                  std::string& document, std::string& error) {
  std::unique_ptr<QApplication> application;
  if (QCoreApplication::instance() == nullptr) {
    // Nothing is shown: the chart is only drawn.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(keepSeriousMessages);
    static int argc = 1;
    static char name[] = "tarnek-cli";
    static char* argv[] = {name, nullptr};
    application = std::make_unique<QApplication>(argc, argv);
  }
  try {
    const QByteArray bytes = exportBytes(data, kind);
    document.assign(bytes.constData(), static_cast<size_t>(bytes.size()));
    return true;
  } catch (const std::exception& failure) {
    error = failure.what();
    return false;
  }
}
