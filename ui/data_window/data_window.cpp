// The data window: values typed, pasted or opened, read as the engine reads them, saved as a
// sample.
#include "ui/data_window/data_window.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "engine/data_text.h"
#include "engine/field_number.h"
#include "engine/number_format.h"
#include "engine/sample_writer.h"
#include "engine/shortest_number.h"
#include "engine/sturges_rule.h"
#include "files/replace_file.h"
#include "platform/decimal_separator.h"
#include "ui/command_captions.h"
#include "ui/data_window/data_texts.h"
#include "ui/data_window/file_bytes.h"
#include "ui/data_window/spreadsheet_file.h"
#include "ui/layout_scale.h"
#include "ui/main_window/main_form.h"
#include "ui/message_sink.h"
#include "ui/tab_chain.h"

namespace ui {

namespace {

constexpr int kSummaryDigits = 7;
constexpr int kMaxAnalysedIntervals = 20;

QString fromUtf8(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A number of the summary: up to 7 significant digits, the locale's separator.
QString shown(double value) {
  return fromUtf8(
      engine::formatGeneral(value, kSummaryDigits, 2, platform::localeDecimalSeparator()));
}

// h as the field shows it: the fewest digits that give the same float, the locale's separator.
QString lengthText(float length) {
  std::string text;
  if (!engine::appendShortest(text, length)) return {};
  QString result = QString::fromStdString(text);
  result.replace('.', QChar(platform::localeDecimalSeparator()));
  return result;
}

// The cells of a sheet as tab-separated lines, which the window shows and the user may edit.
QString sheetText(const SheetCells& rows) {
  QString text;
  for (size_t row = 0; row < rows.size(); ++row) {
    if (row > 0) text += '\n';
    for (size_t cell = 0; cell < rows[row].size(); ++cell) {
      if (cell > 0) text += '\t';
      // Line ends and tabs inside a cell would break its row apart.
      QString content = fromUtf8(rows[row][cell]);
      content.replace('\t', ' ').replace('\n', ' ').replace('\r', ' ');
      text += content;
    }
  }
  return text;
}

}  // namespace

DataWindow::DataWindow(TMainForm& owner) : QWidget(&owner, Qt::Window), owner_(owner) {
  buildControls();
  refresh();
}

void DataWindow::chooseFile() {
  QString folder = source_.isEmpty() ? QDir::homePath() : QFileInfo(source_).absolutePath();
  const QString path = QFileDialog::getOpenFileName(this, QString::fromUtf8(text::kOpenDialogTitle),
                                                    folder, QString::fromUtf8(text::kOpenFilter),
                                                    nullptr, QFileDialog::DontUseNativeDialog);
  if (!path.isEmpty()) openFile(path);
}

void DataWindow::openFile(const QString& path) {
  QString error;
  const std::optional<QByteArray> bytes = readDataFile(path, &error);
  if (!bytes) {
    showMessageBox(QString::fromUtf8(text::kNotOpenedFile).arg(path, error));
    return;
  }
  QString shownText;
  std::optional<SheetCells> sheet;
  if (looksLikeWorkbook(*bytes)) {
    SheetRead read = readFirstSheet(*bytes);
    if (!read.error.isEmpty()) {
      showMessageBox(QString::fromUtf8(text::kNotOpenedFile).arg(path, read.error));
      return;
    }
    shownText = sheetText(read.rows);
    sheet = std::move(read.rows);
  } else {
    const engine::DecodedText decoded = engine::decodeDataText(
        std::string_view(bytes->constData(), static_cast<size_t>(bytes->size())));
    shownText = fromUtf8(decoded.text);
  }
  source_ = QFileInfo(path).absoluteFilePath();
  sourceIsWorkbook_ = sheet.has_value();
  sheet_ = std::move(sheet);
  column_.reset();
  intervalEdited_ = false;
  sturgesChosen_ = false;
  setWindowTitle(QString::fromUtf8(text::kDataWindowFileTitle).arg(QFileInfo(path).fileName()));
  setInputText(shownText);
  refresh();
}

void DataWindow::setInputText(const QString& text) {
  updating_ = true;
  Input->setPlainText(text);
  updating_ = false;
}

engine::DataReadOptions DataWindow::options() const {
  using Options = engine::DataReadOptions;
  Options options;
  static constexpr Options::Decimal kDecimals[] = {Options::Decimal::Auto, Options::Decimal::Point,
                                                   Options::Decimal::Comma};
  static constexpr Options::FirstNumber kFirsts[] = {
      Options::FirstNumber::Auto, Options::FirstNumber::Value, Options::FirstNumber::Length};
  options.decimal = kDecimals[std::clamp(DecimalBox->currentIndex(), 0, 2)];
  options.first = kFirsts[std::clamp(FirstNumberBox->currentIndex(), 0, 2)];
  options.mode = GroupedMode->isChecked() ? Options::Mode::Grouped : Options::Mode::Values;
  options.column = column_;
  return options;
}

void DataWindow::refresh() {
  const engine::DataReadOptions chosen = options();
  if (sheet_)
    read_ = engine::readData(*sheet_, chosen);
  else
    read_ = engine::readData(Input->toPlainText().toStdString(), chosen);

  const bool grouped = chosen.mode == engine::DataReadOptions::Mode::Grouped;
  updating_ = true;
  ColumnBox->clear();
  for (int32_t column = 1; column <= read_.columnCount; ++column) {
    const size_t header = static_cast<size_t>(column - 1);
    ColumnBox->addItem(header < read_.columnHeaders.size() && !read_.columnHeaders[header].empty()
                           ? QString::fromUtf8(text::kColumnWithHeader)
                                 .arg(column)
                                 .arg(fromUtf8(read_.columnHeaders[header]))
                           : QString::number(column));
  }
  ColumnBox->setCurrentIndex(std::clamp(read_.chosenColumn, 1, read_.columnCount) - 1);
  updating_ = false;
  ColumnBox->setEnabled(!grouped && read_.columnCount > 1);
  FirstNumberBox->setEnabled(!grouped);
  // A grouped series brings its own h; the field shows it.
  IntervalField->setEnabled(!grouped);
  SturgesButton->setEnabled(!grouped);
  if (grouped || !intervalEdited_) proposeInterval();
  showSummary();
  showIntervalCount();
}

void DataWindow::proposeInterval() {
  // A grouped series has its own h; a sample file its first number, unless Sturges' is asked for.
  std::optional<float> length;
  if (GroupedMode->isChecked()) {
    if (read_.grouped) length = engine::groupedIntervalLength(*read_.grouped);
  } else if (read_.intervalLength && !sturgesChosen_) {
    length = read_.intervalLength;
  } else if (!read_.values.empty()) {
    length = engine::sturgesInterval(read_.values).length;
  }
  IntervalField->setText(length ? lengthText(*length) : QString());
  showIntervalCount();
}

std::optional<float> DataWindow::intervalLength() const {
  if (read_.grouped) return engine::groupedIntervalLength(*read_.grouped);
  const engine::FieldNumber number = engine::parseFieldNumber(IntervalField->text().toStdString());
  if (number.status != engine::FieldNumber::Status::Ok || !(number.value > 0.0f))
    return std::nullopt;
  return number.value;
}

void DataWindow::showIntervalCount() {
  const std::optional<float> length = intervalLength();
  int32_t intervals = 0;
  if (read_.grouped)
    intervals = read_.grouped->intervals();
  else if (length && !read_.values.empty())
    intervals = engine::intervalCount(read_.min, read_.max, *length);
  if (intervals <= 0) {
    IntervalCount->clear();
    return;
  }
  IntervalCount->setText(QString::fromUtf8(intervals > kMaxAnalysedIntervals
                                               ? text::kTooManyForAnalysis
                                               : text::kIntervalCount)
                             .arg(intervals));
}

void DataWindow::showSummary() {
  // Nothing typed yet is nothing to report.
  if (!sheet_ && Input->toPlainText().trimmed().isEmpty()) {
    Summary->clear();
    return;
  }
  QStringList lines;
  if (read_.grouped) {
    const engine::GroupedSeries& series = *read_.grouped;
    lines << QString::fromUtf8(text::kGroupedSummary)
                 .arg(series.intervals())
                 .arg(shown(series.length))
                 .arg(series.total());
    for (int32_t i = 0; i < series.intervals(); ++i) {
      const double left = series.left + series.length * i;
      lines << QString::fromUtf8(text::kGroupedRow)
                   .arg(shown(left), shown(left + series.length),
                        shown(series.midpoints[static_cast<size_t>(i)]))
                   .arg(series.frequencies[static_cast<size_t>(i)]);
    }
  } else if (read_.count > 0) {
    QString count = QString::fromUtf8(text::kValueCount).arg(read_.count);
    if (read_.columnCount > 1)
      count += QStringLiteral(" (") +
               QString::fromUtf8(text::kColumnUsed).arg(read_.chosenColumn).arg(read_.columnCount) +
               QStringLiteral(")");
    lines << count << QString::fromUtf8(text::kValueRange).arg(shown(read_.min), shown(read_.max));
  }
  for (const engine::DataMessage& message : read_.messages)
    lines << fromUtf8(engine::dataMessageText(message));
  if (!read_.skipped.empty()) {
    lines << QString::fromUtf8(text::kSkippedHeading).arg(read_.skipped.size());
    for (const engine::SkippedLine& skipped : read_.skipped)
      lines << QString::fromUtf8(text::kSkippedLine)
                   .arg(skipped.line)
                   .arg(fromUtf8(skipped.text), fromUtf8(engine::skipReasonText(skipped.reason)));
  }
  Summary->setPlainText(lines.join('\n'));
}

QString DataWindow::refusal() const {
  for (const engine::DataMessage& message : read_.messages)
    if (engine::isBlocking(message.code)) return fromUtf8(engine::dataMessageText(message));
  if (!read_.usable) return QString::fromUtf8(text::kNothingToSave);
  if (!read_.grouped) {
    const engine::FieldNumber number =
        engine::parseFieldNumber(IntervalField->text().toStdString());
    if (number.status != engine::FieldNumber::Status::Ok)
      return QString::fromUtf8(text::kIntervalNotANumber).arg(IntervalField->text());
    if (!(number.value > 0.0f)) return QString::fromUtf8(text::kIntervalNotPositive);
  }
  return {};
}

QString DataWindow::suggestedSavePath() const {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
  const QString name =
      source_.isEmpty()
          ? QString::fromUtf8(text::kPastedName)
          : QString::fromUtf8(text::kSampleName).arg(QFileInfo(source_).completeBaseName());
  return QDir(folder).filePath(name);
}

bool DataWindow::saveAndOpen() {
  const QString reason = refusal();
  if (!reason.isEmpty()) {
    showMessageBox(reason);
    return false;
  }
  QString path;
  if (chooseSavePath_) {
    path = chooseSavePath_(suggestedSavePath());
  } else {
    QFileDialog dialog(this, QString::fromUtf8(text::kSaveDialogTitle), suggestedSavePath(),
                       QString::fromUtf8(text::kSaveFilter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    dialog.selectFile(suggestedSavePath());
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
      path = dialog.selectedFiles().constFirst();
  }
  if (path.isEmpty()) return false;
  return saveTo(path);
}

bool DataWindow::saveTo(const QString& path) {
  const QString reason = refusal();
  if (!reason.isEmpty()) {
    showMessageBox(reason);
    return false;
  }
  const std::string target = QFile::encodeName(path).toStdString();
  // The workbook the values came from is never replaced by a text file.
  if (sourceIsWorkbook_ &&
      files::namesAnInput(target, {QFile::encodeName(source_).toStdString()})) {
    showMessageBox(QString::fromUtf8(text::kWouldReplaceSource));
    return false;
  }
  const std::string contents = read_.grouped
                                   ? engine::groupedSampleFileText(*read_.grouped)
                                   : engine::sampleFileText(*intervalLength(), read_.values);
  std::string failure;
  if (!files::replaceFile(target, contents, failure)) {
    showMessageBox(QString::fromUtf8(text::kNotSaved).arg(path, fromUtf8(failure)));
    return false;
  }
  owner_.openSample(path);
  owner_.raise();
  owner_.activateWindow();
  return true;
}

}  // namespace ui
