// The Word report of one analysis, drawn and written without a display.
#include "docx_export.h"

#include <QApplication>
#include <QColor>
#include <cstdio>
#include <exception>
#include <memory>

#include "analysis_chart.h"
#include "chart_rendering.h"
#include "layout_scale.h"
#include "report_file.h"
#include "texts.h"

namespace cli {

namespace {

// The chart's size in the main window's design, at 1:1.
constexpr int kChartWidth = 785;
constexpr int kChartHeight = 265;

QImage drawChart(const engine::RecordedView& view) {
  const ui::LayoutScale scale(1.0);
  ui::AnalysisChart chart(scale, nullptr);
  chart.resize(scale.size(kChartWidth, kChartHeight));
  const std::vector<engine::RecordedPoint>* series[] = {&view.histogram(), &view.curve()};
  for (int index = 0; index < 2; ++index) {
    chart.clearSeries(index);
    for (const engine::RecordedPoint& point : *series[index])
      chart.appendPoint(index, point.x, point.y, QString::fromStdString(point.label),
                        QColor(point.colour.red, point.colour.green, point.colour.blue));
  }
  chart.refresh();
  return chart.printPicture(ui::kPrintPixelRatio);
}

report::ReportTexts reportTexts(const engine::RecordedView& view) {
  report::ReportTexts texts;
  texts.columnCount = engine::kTableColumns;
  for (const engine::RecordedView::Row& row : view.gridRows()) {
    QStringList cells;
    for (const std::string& cell : row) cells << QString::fromStdString(cell);
    texts.gridRows.push_back(cells);
  }
  const std::string processing = engine::text::kProcessingFile;
  for (const std::string& line : view.log()) {
    texts.logLines << QString::fromStdString(line);
    // The run names its sample in the log; the title takes it from there.
    if (texts.sampleFileName.isEmpty() && line.rfind(processing, 0) == 0)
      texts.sampleFileName = QString::fromStdString(line.substr(processing.size()));
  }
  return texts;
}

// Qt's own warnings about the desktop it does not use are noise on a terminal.
void keepSeriousMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg)
    std::fprintf(stderr, "tarnek-cli: %s\n", message.toLocal8Bit().constData());
}

}  // namespace

bool writeDocxReport(const engine::RecordedView& view, const std::string& path, std::ostream& err) {
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
    report::saveReportDocument(reportTexts(view), drawChart(view), QString::fromStdString(path));
    return true;
  } catch (const std::exception& error) {
    err << "tarnek-cli: " << error.what() << '\n';
    return false;
  }
}

}  // namespace cli

extern "C" bool tarnekWriteDocxReport(const engine::RecordedView& view, const std::string& path,
                                      std::ostream& err) {
  return cli::writeDocxReport(view, path, err);
}
