// The Word report of one analysis, drawn and written without a display.
#include "cli/docx_export.h"

#include <QApplication>
#include <QColor>
#include <cstdio>
#include <exception>
#include <memory>

#include "report/report_file.h"
#include "ui/analysis_chart.h"
#include "ui/chart_rendering.h"
#include "ui/layout_scale.h"

namespace {

// The chart's size in the main window's design, at 1:1.
constexpr int kChartWidth = 785;
constexpr int kChartHeight = 265;

QImage drawChart(const cli::DocxReportData& data) {
  const ui::LayoutScale scale(1.0);
  ui::AnalysisChart chart(scale, nullptr);
  chart.resize(scale.size(kChartWidth, kChartHeight));
  const std::vector<cli::DocxChartPoint>* series[] = {&data.histogram, &data.curve};
  for (int index = 0; index < 2; ++index) {
    chart.clearSeries(index);
    for (const cli::DocxChartPoint& point : *series[index])
      chart.appendPoint(index, point.x, point.y, QString::fromStdString(point.label),
                        QColor(point.red, point.green, point.blue));
  }
  chart.refresh();
  return chart.printPicture(ui::kPrintPixelRatio);
}

report::ReportTexts reportTexts(const cli::DocxReportData& data) {
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

// Qt's own warnings about the desktop it does not use are noise on a terminal.
void keepSeriousMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg)
    std::fprintf(stderr, "tarnek-cli: %s\n", message.toLocal8Bit().constData());
}

}  // namespace

extern "C" bool tarnekBuildDocxReport(const cli::DocxReportData& data, std::string& document,
                                      std::string& error) {
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
    const QByteArray bytes = report::reportDocumentBytes(reportTexts(data), drawChart(data));
    document.assign(bytes.constData(), static_cast<size_t>(bytes.size()));
    return true;
  } catch (const std::exception& failure) {
    error = failure.what();
    return false;
  }
}
