// The main window: its layout, its part of the analysis view and its handlers.
#include "ui/main_window/main_form.h"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include "chart/analysis_chart.h"
#include "engine/critical_points.h"
#include "engine/process_file.h"
#include "engine/run_result.h"
#include "platform/data_files.h"
#include "platform/decimal_separator.h"
#include "report/content/word_report.h"
#include "report/delivery/report_delivery.h"
#include "ui/captions.h"
#include "ui/data_window/data_window.h"
#include "ui/data_window/spreadsheet_file.h"
#include "ui/export/window_report_source.h"
#include "ui/help/about_text.h"
#include "ui/main_window/data_notice.h"
#include "ui/main_window/file_run.h"
#include "ui/main_window/main_layout.h"
#include "ui/main_window/main_menu.h"
#include "ui/main_window/recent_files.h"
#include "ui/main_window/sample_opening.h"
#include "ui/message_sink.h"
#include "ui/options/opt_form.h"
#include "ui/results/result_commands.h"
#include "ui/results/result_grid.h"
#include "ui/results/result_line.h"
#include "ui/solution/solution_actions.h"
#include "ui/tab_chain.h"

namespace ui {

TMainForm* MainForm = nullptr;

namespace {

constexpr int kFrameSettleMs = 250;

QString fromUtf8(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

TMainForm::TMainForm(QWidget* owner, const std::optional<std::string>& sampleArgument)
    : QWidget(owner), scale_(screenLayoutScale()) {
  MainForm = this;
  buildControls();
  setupOpening(*this);
  state_.FileName = platform::firstSampleName(sampleArgument);
  const std::string tablePath = platform::criticalPointsPath();
  tablePath_ = QFileInfo(QFile::decodeName(tablePath.c_str())).absoluteFilePath();
  engine::loadCriticalPoints(tablePath, state_.CriticalPoints, *this);
  rememberFiles_ = sampleArgument.has_value();
  ProcessFile();
  rememberFiles_ = true;
}

TMainForm::~TMainForm() {
  if (MainForm == this) MainForm = nullptr;
}

void TMainForm::buildControls() {
  setWindowTitle(QString::fromUtf8(text::kMainWindowTitle));
  setFont(scale_.font());

  Chart = new chart::AnalysisChart(scale_, this);
  Chart->setContextMenuPolicy(Qt::CustomContextMenu);

  StringGrid = new ResultGrid(scale_, this);
  // Arrows move between cells; Tab goes on to the buttons.
  StringGrid->setTabKeyNavigation(false);

  Log = new QPlainTextEdit(this);
  Log->setTabChangesFocus(true);
  Log->setReadOnly(true);
  Log->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  Log->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Log->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Log->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

  Option = new QPushButton(QString::fromUtf8(text::kOptionButton), this);
  ExitBut = new QPushButton(QString::fromUtf8(text::kExitButton), this);
  Result = new ResultLine(this);
  Menu = new MainMenu(*this);
  Notice = new DataNotice(scale_, this);
  connect(Notice, &DataNotice::openRequested, this,
          [this](const QString& file) { runHandler([&] { openInDataWindow(file); }); });

  // Every text is fitted to the designed size, so the window never goes below it.
  const QSize smallest = designedClientSize(scale_) + QSize(0, menuBarHeight());
  setMinimumSize(smallest);
  resize(smallest);
  applyLayout();
  const ScreenSpec screen = primaryScreenSpec();
  move(placeFrame(screen.available, kMainWindowMenuFrame, scale_.factor()));

  // Not attached to any control: ChartContextPopup opens it where it computes.
  PopupMenu = new QMenu(this);
  PopupMenu->setFont(scale_.font());
  N1 = PopupMenu->addAction(QString::fromUtf8(text::kCopyPicture));
  Word1 = PopupMenu->addAction(QString::fromUtf8(text::kWordReport));
  solution_ = new SolutionActions(scale_, *this);
  addSolutionActions(*Menu->analysisMenu, *solution_);
  connectCopyFeedback(*this);

  setTabChain({Log, Chart, StringGrid, Option, ExitBut});
  Log->setFocus();

  connect(Option, &QPushButton::clicked, this, [this] { runHandler([this] { OptionClick(); }); });
  connect(ExitBut, &QPushButton::clicked, this, [this] { runHandler([this] { ExitButClick(); }); });
  connect(Chart, &QWidget::customContextMenuRequested, this, [this](const QPoint& pointer) {
    runHandler([&] { ChartContextPopup(pointer.x(), pointer.y()); });
  });
  connect(N1, &QAction::triggered, this, [this] { runHandler([this] { N1Click(); }); });
  connect(Word1, &QAction::triggered, this, [this] { runHandler([this] { Word1Click(); }); });
}

void TMainForm::ProcessFile() {
  const bool readsFile = state_.FileChanged;
  engine::RunResult result;
  const char separator = platform::localeDecimalSeparator();
  engine::ProcessFile(state_, *this, separator, result);
  Result->showResult(result, tablePath_, separator);
  solution_->follow(result, separator);
  StringGrid->spreadColumns();
  Chart->refresh();
  // A new run starts at the top of the table, whatever the last one was scrolled to.
  StringGrid->scrollToTop();
  showRunAround(*this, readsFile, rememberFiles_, result);
}

void TMainForm::OptionClick() {
  if (OptForm == nullptr) return;
  OptForm->show();
  OptForm->raise();
  OptForm->activateWindow();
}

void TMainForm::ExitButClick() { close(); }

void TMainForm::openSampleDialog() {
  const QString path = chooseSampleFile(*this);
  if (!path.isEmpty()) openSample(path);
}

void TMainForm::openSample(const QString& path) {
  if (isWorkbookFile(path)) {
    openInDataWindow(path);
    return;
  }
  if (OptForm != nullptr) OptForm->applyFile(path);
}

void TMainForm::openRecentFile(const QString& path) {
  if (!QFileInfo(path).isFile()) {
    forgetRecentFile(path);
    Menu->showRecentFiles();
    showMessageBox(QString::fromUtf8(text::kRecentFileGone).arg(path));
    return;
  }
  openSample(path);
}

DataWindow& TMainForm::dataWindow() {
  if (dataWindow_ == nullptr) dataWindow_ = new DataWindow(*this);
  return *dataWindow_;
}

void TMainForm::showDataWindow() { dataWindow().showAndRaise(); }

void TMainForm::openInDataWindow(const QString& path) {
  DataWindow& window = dataWindow();
  window.openFile(path);
  window.showAndRaise();
}

void TMainForm::showAbout() { showMessageBox(aboutText()); }

void TMainForm::dragEnterEvent(QDragEnterEvent* event) {
  if (!droppedFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void TMainForm::dropEvent(QDropEvent* event) {
  const QString path = droppedFile(event->mimeData());
  if (path.isEmpty()) return;
  event->acceptProposedAction();
  runHandler([&] { openSample(path); });
}

void TMainForm::ChartContextPopup(int x, int y) { PopupMenu->popup(popupPoint(x, y)); }

void TMainForm::N1Click() { QGuiApplication::clipboard()->setImage(chartPicture()); }

void TMainForm::Word1Click() {
  if (!WordApplication)
    WordApplication = report::makeDesktopWordApplication(
        [](const QString& message) { showMessageBox(message); },
        [this] { return QString::fromStdString(state_.FileName); });
  const report::ReportTexts texts = windowReportTexts(*this);
  report::TextReportSource source(texts, [this] { copyChartForReport(*this, nullptr); });
  report::buildWordReport(*WordApplication, source);
}

void TMainForm::setWordApplication(std::unique_ptr<report::WordApplication> word) {
  WordApplication = std::move(word);
}

QPoint TMainForm::popupPoint(int x, int y) const {
  // The frame's screen position, as the window's Left and Top give it.
  return QPoint(this->x() + x, this->y() + y);
}

QImage TMainForm::chartPicture() { return Chart->picture(); }

void TMainForm::closeEvent(QCloseEvent* event) {
  // The dialog goes with the main window, so the event loop ends.
  if (OptForm != nullptr) OptForm->hide();
  if (dataWindow_ != nullptr) dataWindow_->hide();
  event->accept();
}

int TMainForm::menuBarHeight() const { return Menu->bar()->sizeHint().height(); }

void TMainForm::applyLayout() {
  // The notice's height for the chart's width, which it does not change.
  const int noticeWidth = mainLayout(scale_, size(), {menuBarHeight(), 0}).chart.width();
  const int notice = Notice->isHidden() ? 0 : Notice->heightForWidth(noticeWidth);
  const MainLayout layout = mainLayout(scale_, size(), {menuBarHeight(), notice});
  Menu->bar()->setGeometry(layout.menuBar);
  Notice->setGeometry(layout.notice);
  Chart->setGeometry(layout.chart);
  StringGrid->setGeometry(layout.grid);
  StringGrid->spreadColumns();
  Log->setGeometry(layout.log);
  Option->setGeometry(layout.option);
  ExitBut->setGeometry(layout.exitBut);
  Result->setGeometry(layout.result);
}

void TMainForm::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  applyLayout();
}

void TMainForm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (placedOnScreen_) return;
  placedOnScreen_ = true;
  // The frame is chosen by the window manager once the window is mapped; the
  // designed allowance for it is generous, and this corrects a larger one.
  QTimer::singleShot(kFrameSettleMs, this, [this] { keepFrameOnScreen(*this); });
}

void TMainForm::clearLog() {
  Log->clear();
  logLines_.clear();
}

void TMainForm::appendLog(const std::string& line) {
  const QString text = fromUtf8(line);
  logLines_.append(text);
  Log->appendPlainText(text);
}

int32_t TMainForm::gridRowCount() const { return StringGrid->gridRowCount(); }

void TMainForm::setGridRowCount(int32_t rows) { StringGrid->setGridRowCount(rows); }

void TMainForm::setGridCell(int32_t column, int32_t row, const std::string& text) {
  StringGrid->setCell(column, row, text);
}

void TMainForm::clearSeries(int32_t series) { Chart->clearSeries(series); }

void TMainForm::appendPoint(int32_t series, double x, double y, const std::string& label,
                            engine::Colour colour) {
  Chart->appendPoint(series, x, y, fromUtf8(label), QColor(colour.red, colour.green, colour.blue));
}

void TMainForm::showMessage(const std::string& text) { showMessageBox(fromUtf8(text)); }

}  // namespace ui
