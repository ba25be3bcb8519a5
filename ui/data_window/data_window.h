// The data window: values typed, pasted or opened, read as the engine reads them, saved as a
// sample.
#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <optional>

#include "engine/data_reader.h"
#include "ui/data_window/sheet_cells.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace ui {

class TMainForm;

// Non-modal, created once by the main window and going with it. Every
// change of the text or of a choice reads the data again and shows what was
// recognised; "Сохранить и открыть" writes the program's own sample file and
// opens it in the main window as a file-mode Apply does.
class DataWindow : public QWidget {
  Q_OBJECT

 public:
  explicit DataWindow(TMainForm& owner);

  void showAndRaise();
  // Loads a text file (UTF-8, UTF-16, Windows-1251; CSV, TSV) or the first
  // sheet of an .xlsx or .ods workbook. A file that cannot be read is a
  // message box and leaves the window as it was.
  void openFile(const QString& path);
  // Asks where to save (the file dialog, or the chooser a test installed),
  // then saveTo. False when nothing was saved.
  bool saveAndOpen();
  // Writes the sample file at `path`, replacing a file there whole, and opens
  // it in the main window. A reason not to save (nothing usable, more than
  // 200 values, no valid h, the loaded workbook as the target) or a failed
  // write is a message box; false then.
  bool saveTo(const QString& path);

  // The file dialog's place in tests: given the suggested path, returns the
  // chosen one or an empty string. An empty function restores the dialog.
  using SavePathChooser = std::function<QString(const QString& suggested)>;
  void setSavePathChooser(SavePathChooser chooser) { chooseSavePath_ = std::move(chooser); }

  // What the last reading found.
  const engine::DataRead& dataRead() const { return read_; }
  // The interval length the file would get; nothing while h is not a valid length.
  std::optional<float> intervalLength() const;
  // Where a save starts: the loaded file's folder for a pasted text never, Documents always.
  QString suggestedSavePath() const;

  QPushButton* OpenFile = nullptr;
  QRadioButton* ValuesMode = nullptr;
  QRadioButton* GroupedMode = nullptr;
  QComboBox* DecimalBox = nullptr;
  QComboBox* ColumnBox = nullptr;
  QComboBox* FirstNumberBox = nullptr;
  QPlainTextEdit* Input = nullptr;
  QPlainTextEdit* Summary = nullptr;
  QLineEdit* IntervalField = nullptr;
  QPushButton* SturgesButton = nullptr;
  QLabel* IntervalCount = nullptr;
  QPushButton* SaveAndOpen = nullptr;
  QPushButton* CloseButton = nullptr;

 private:
  void buildControls();
  void chooseFile();
  void setInputText(const QString& text);
  // Reads the data again with the choices as they stand and shows the result.
  void refresh();
  void showSummary();
  void proposeInterval();
  void showIntervalCount();
  engine::DataReadOptions options() const;
  // The blocking reason not to save, or an empty text.
  QString refusal() const;

  TMainForm& owner_;
  engine::DataRead read_;
  // The loaded workbook's cells, while the text shown is still theirs.
  std::optional<SheetCells> sheet_;
  QString source_;  // the file loaded, if any
  bool sourceIsWorkbook_ = false;
  std::optional<int32_t> column_;  // the column the user picked
  bool intervalEdited_ = false;    // h typed by the user rather than proposed
  bool sturgesChosen_ = false;     // h proposed by Sturges' rule even where the file gives one
  bool updating_ = false;          // the window itself is changing its controls
  bool placedOnScreen_ = false;
  SavePathChooser chooseSavePath_;
};

}  // namespace ui
