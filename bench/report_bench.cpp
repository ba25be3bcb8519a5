// Building and writing the report, as .docx and as PDF: a 22-row grid, 12 log lines and the
// chart as printed (twice the screen's density); and the shipped sample's PDF with its worked
// solution.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QPainter>
#include <QTemporaryDir>

#include "report/content/report_file.h"
#include "tests/report/report_test_support.h"

namespace {

QImage chartPicture() {
  QImage image(2 * 785, 2 * 265, QImage::Format_RGB32);
  image.setDevicePixelRatio(2.0);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setBrush(QBrush(Qt::black, Qt::HorPattern));
  for (int i = 0; i < 20; ++i) painter.drawRect(40 + i * 35, 230 - i * 8 % 150, 35, i * 8 % 150);
  painter.setPen(QPen(QColor(64, 0, 64), 2));
  painter.drawLine(40, 230, 745, 40);
  return image;
}

report::ReportTexts twentyIntervals() {
  report::ReportTexts texts;
  for (int r = 0; r < 22; ++r) {
    QStringList row;
    for (int c = 0; c < texts.columnCount; ++c)
      row << (r == 0 ? QString::number(c + 1) : QString::number(r * 1.2345 + c * 0.321, 'g', 4));
    texts.gridRows.push_back(row);
  }
  for (int i = 0; i < 12; ++i)
    texts.logLines << QStringLiteral(
                          "Значение npi для интервала %1 меньше 5. Интервал объединен с соседним")
                          .arg(i + 1);
  return texts;
}

// Saves the report of `texts` and the chart in a scratch folder, as often as the benchmark asks.
void saveReports(benchmark::State& state, const report::ReportTexts& texts,
                 report::ReportFormat format) {
  const QImage chart = chartPicture();
  QTemporaryDir folder;
  const QString path =
      folder.filePath(format == report::ReportFormat::Pdf ? "report.pdf" : "report.docx");
  for (auto _ : state) report::saveReportDocument(texts, chart, path, format);
}

void BM_BuildAndWriteReport(benchmark::State& state) {
  saveReports(state, twentyIntervals(), report::ReportFormat::Docx);
}
BENCHMARK(BM_BuildAndWriteReport)->Unit(benchmark::kMillisecond);

// The PDF is painted from the same document and written whole, fonts embedded.
void BM_BuildAndWritePdfReport(benchmark::State& state) {
  saveReports(state, twentyIntervals(), report::ReportFormat::Pdf);
}
BENCHMARK(BM_BuildAndWritePdfReport)->Unit(benchmark::kMillisecond);

// The same without the file: what painting the pages costs, apart from the disk's syncs.
void BM_BuildPdfReportInMemory(benchmark::State& state) {
  const report::ReportTexts texts = twentyIntervals();
  const QImage chart = chartPicture();
  for (auto _ : state)
    benchmark::DoNotOptimize(report::reportDocumentBytes(texts, chart, report::ReportFormat::Pdf));
}
BENCHMARK(BM_BuildPdfReportInMemory)->Unit(benchmark::kMillisecond);

// The shipped sample's run with its worked solution, as the window reports it with "Ход решения в
// отчёте" on: two pages, the solution's italics, indices and powers and its two tables.
void BM_BuildAndWritePdfReportWithSolution(benchmark::State& state) {
  report::ReportTexts texts = report::test::shippedSampleWithSolution();
  texts.sampleFileName = QStringLiteral("Input.txt");
  saveReports(state, texts, report::ReportFormat::Pdf);
}
BENCHMARK(BM_BuildAndWritePdfReportWithSolution)->Unit(benchmark::kMillisecond);

}  // namespace

// The PDF's type needs Qt's fonts, so a GUI application on the offscreen platform.
int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
