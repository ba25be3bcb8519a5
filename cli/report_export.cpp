// The report or the chart of one analysis, drawn and written without a display.
#include "cli/report_export.h"

#include <QApplication>
#include <QColor>
#include <QSaveFile>
#include <cstdio>
#include <exception>
#include <memory>

#include "report/report_file.h"
#include "ui/analysis_chart.h"
#include "ui/chart_export.h"
#include "ui/chart_rendering.h"
#include "ui/layout_scale.h"

namespace {

// The chart's size in the main window's design, at 1:1.
constexpr int kChartWidth = 785;
constexpr int kChartHeight = 265;

// The chart as the window draws it at its designed size.
void drawChart(ui::AnalysisChart& chart, const cli::ReportData& data) {
  chart.resize(ui::LayoutScale(1.0).size(kChartWidth, kChartHeight));
  const std::vector<cli::ReportChartPoint>* series[] = {&data.histogram, &data.curve};
  for (int index = 0; index < 2; ++index) {
    chart.clearSeries(index);
    for (const cli::ReportChartPoint& point : *series[index])
      chart.appendPoint(index, point.x, point.y, QString::fromStdString(point.label),
                        QColor(point.red, point.green, point.blue));
  }
  chart.refresh();
}

void writeChartFile(ui::AnalysisChart& chart, ui::ChartFormat format, const QString& path) {
  const QByteArray bytes = ui::chartFileBytes(chart, format);
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
    throw std::runtime_error(file.errorString().toStdString());
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
  return texts;
}

// Qt's own warnings about the desktop it does not use are noise on a terminal.
void keepSeriousMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg)
    std::fprintf(stderr, "tarnek-cli: %s\n", message.toLocal8Bit().constData());
}

}  // namespace

extern "C" bool tarnekWriteExport(const cli::ReportData& data, cli::ExportKind kind,
                                  const std::string& path, std::string& error) {
  std::unique_ptr<QApplication> application;
  if (QCoreApplication::instance() == nullptr) {
    // Nothing is shown: the chart is only drawn into a picture.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(keepSeriousMessages);
    static int argc = 1;
    static char name[] = "tarnek-cli";
    static char* argv[] = {name, nullptr};
    application = std::make_unique<QApplication>(argc, argv);
  }
  try {
    const ui::LayoutScale scale(1.0);
    ui::AnalysisChart chart(scale, nullptr);
    drawChart(chart, data);
    const QString file = QString::fromStdString(path);
    switch (kind) {
      case cli::ExportKind::DocxReport:
      case cli::ExportKind::PdfReport:
        report::saveReportDocument(reportTexts(data), chart.printPicture(ui::kPrintPixelRatio),
                                   file,
                                   kind == cli::ExportKind::PdfReport ? report::ReportFormat::Pdf
                                                                      : report::ReportFormat::Docx);
        break;
      case cli::ExportKind::ChartPng:
        writeChartFile(chart, ui::ChartFormat::Png, file);
        break;
      case cli::ExportKind::ChartSvg:
        writeChartFile(chart, ui::ChartFormat::Svg, file);
        break;
      case cli::ExportKind::ChartPdf:
        writeChartFile(chart, ui::ChartFormat::Pdf, file);
        break;
    }
    return true;
  } catch (const std::exception& failure) {
    error = failure.what();
    return false;
  }
}
