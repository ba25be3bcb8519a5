// Benchmarks of the windows: a numbers-mode Apply with its redraw, and the in-process start-up.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

#include "ui/main_window/main_form.h"
#include "ui/message_sink.h"
#include "ui/options/opt_form.h"
#include "ui/start_up.h"

namespace {

// The shipped sample and table, copied into a scratch working directory.
class Workspace {
 public:
  Workspace() {
    const QString data = QStringLiteral(TARNEK_DATA_DIR);
    for (const char* name : {"Input.txt", "exttable.txt"})
      QFile::copy(data + '/' + name, dir_.filePath(QString::fromLatin1(name)));
    previous_ = QDir::currentPath();
    QDir::setCurrent(dir_.path());
    ui::setMessageBoxSink([](ui::MessageKind, const QString&) {});
  }
  ~Workspace() {
    ui::setMessageBoxSink({});
    QDir::setCurrent(previous_);
  }

 private:
  QTemporaryDir dir_;
  QString previous_;
};

// Apply in numbers mode re-runs the analysis on the sample in memory; the
// window is then painted, as the screen would be.
void BM_NumbersModeApply(benchmark::State& state) {
  Workspace workspace;
  std::unique_ptr<ui::TMainForm> mainForm = ui::startUp();
  mainForm->show();
  ui::OptForm->show();
  QApplication::processEvents();
  for (auto _ : state) {
    ui::OptForm->OkButClick();
    mainForm->repaint();
  }
}
BENCHMARK(BM_NumbersModeApply)->Unit(benchmark::kMillisecond);

// Both windows built, the table loaded, the first run made and the main window painted.
void BM_StartUpInProcess(benchmark::State& state) {
  Workspace workspace;
  for (auto _ : state) {
    std::unique_ptr<ui::TMainForm> mainForm = ui::startUp();
    mainForm->show();
    mainForm->repaint();
    benchmark::DoNotOptimize(mainForm.get());
  }
}
BENCHMARK(BM_StartUpInProcess)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
