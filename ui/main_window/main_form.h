// The main window: chart, grid, log and buttons, and the analysis state it runs on.
#pragma once

#include <QImage>
#include <QPoint>
#include <QStringList>
#include <QWidget>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/analysis_state.h"
#include "engine/analysis_view.h"
#include "ui/layout_scale.h"

namespace chart {
class AnalysisChart;
}
namespace report {
class WordApplication;
}

class QAction;
class QMenu;
class QPlainTextEdit;
class QPushButton;

namespace ui {

class DataNotice;
class DataWindow;
class MainMenu;
class ResultGrid;
class SolutionActions;
class ResultLine;

class TMainForm : public QWidget, public engine::AnalysisView {
  Q_OBJECT

 public:
  // Builds the window, loads "exttable.txt" (from the working directory, else
  // the installed one; its problems are message boxes) and runs the analysis
  // once, all before the window is first shown. The first run reads
  // `sampleArgument` when given, else "Input.txt" or the installed example.
  explicit TMainForm(QWidget* owner = nullptr,
                     const std::optional<std::string>& sampleArgument = std::nullopt);
  ~TMainForm() override;

  engine::AnalysisState& state() { return state_; }
  const LayoutScale& layoutScale() const { return scale_; }

  // One analysis run on this window's state, shown in its controls.
  void ProcessFile();

  void OptionClick();
  void ExitButClick();
  // Ctrl+O: a file dialog; the chosen file is opened as openSample does.
  void openSampleDialog();
  // A file chosen or dropped: applied as the options dialog's file-mode Apply;
  // a workbook (.xlsx, .ods) goes to the data window instead.
  void openSample(const QString& path);
  // One of the menu's recent files; one that is gone is said so and forgotten.
  void openRecentFile(const QString& path);
  // The data window, created the first time it is asked for.
  DataWindow& dataWindow();
  void showDataWindow();
  // The data window with `path` loaded into it.
  void openInDataWindow(const QString& path);
  void showAbout();
  // Places the controls again, as when the notice comes or goes.
  void relayout() { applyLayout(); }
  // (x, y) is the pointer relative to the chart.
  void ChartContextPopup(int x, int y);
  void N1Click();
  void Word1Click();

  // Where ChartContextPopup opens the menu: the window frame's screen
  // position plus the pointer's position in the chart, nothing else added.
  QPoint popupPoint(int x, int y) const;
  // The chart exactly as drawn; the clipboard and the report take this picture.
  QImage chartPicture();
  // The log's lines as they were appended, before any wrapping.
  const QStringList& logLines() const { return logLines_; }

  void clearLog() override;
  void appendLog(const std::string& line) override;
  int32_t gridRowCount() const override;
  void setGridRowCount(int32_t rows) override;
  void setGridCell(int32_t column, int32_t row, const std::string& text) override;
  void clearSeries(int32_t series) override;
  void appendPoint(int32_t series, double x, double y, const std::string& label,
                   engine::Colour colour) override;
  void showMessage(const std::string& text) override;

  // The worked solution of the last run, its window and its report option.
  SolutionActions* solution() const { return solution_; }

  // The word processor the report drives; connected by the first report, kept afterwards.
  // Tests replace it before the first report.
  void setWordApplication(std::unique_ptr<report::WordApplication> word);

  chart::AnalysisChart* Chart = nullptr;
  ResultGrid* StringGrid = nullptr;
  QPlainTextEdit* Log = nullptr;
  QPushButton* Option = nullptr;
  QPushButton* ExitBut = nullptr;
  ResultLine* Result = nullptr;
  MainMenu* Menu = nullptr;
  DataNotice* Notice = nullptr;
  QMenu* PopupMenu = nullptr;
  QAction* N1 = nullptr;
  QAction* Word1 = nullptr;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void buildControls();
  int menuBarHeight() const;
  void applyLayout();

  LayoutScale scale_;
  engine::AnalysisState state_;
  QStringList logLines_;
  QString tablePath_;  // where the critical-point table was looked for, in full
  bool placedOnScreen_ = false;
  // Off for the first run on the default sample, which the user did not choose.
  bool rememberFiles_ = false;
  DataWindow* dataWindow_ = nullptr;
  std::unique_ptr<report::WordApplication> WordApplication;
  SolutionActions* solution_ = nullptr;
};

// The one main window, set while it exists.
extern TMainForm* MainForm;

}  // namespace ui
