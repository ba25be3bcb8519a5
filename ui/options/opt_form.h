// The options dialog: file name, interval length and range, applied to the main window's state.
#pragma once

#include <QString>
#include <QWidget>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace chart {
class LayoutScale;
}

namespace ui {

using chart::LayoutScale;
class TMainForm;

// Modeless and created once. It owns nothing of the analysis: it reads and
// writes the state of its main window and starts that window's run.
class TOptForm : public QWidget {
  Q_OBJECT

 public:
  // Builds the dialog hidden, as a window of `owner`, and fills the fields
  // from the owner's state; leaves the state in numbers mode.
  explicit TOptForm(TMainForm& owner);
  ~TOptForm() override;

  // Apply. The three choices of the group are stored first, in both modes. Numbers mode
  // stores only the fields edited since the dialog wrote them, and throws ConversionError at
  // the first one that is not a number, after storing the fields before it; no run takes
  // place then.
  void OkButClick();
  void CanButClick();
  void NameFChange();
  // A file chosen outside the dialog: its name goes into NameF and Apply runs
  // in file mode, so the four fields then show the new state.
  void applyFile(const QString& path);

  QLineEdit* LIopt = nullptr;
  QLabel* StaticText1 = nullptr;
  QLabel* StaticText2 = nullptr;
  QLineEdit* XminOpt = nullptr;
  QLineEdit* NameF = nullptr;
  QLineEdit* XmaxOpt = nullptr;
  QLabel* StaticText3 = nullptr;
  QLabel* StaticText4 = nullptr;
  // The test's level, the intervals' reliability and their coefficients, stored by Apply.
  QGroupBox* CheckGroup = nullptr;
  QLabel* StaticText5 = nullptr;
  QComboBox* AlphaOpt = nullptr;
  QLabel* StaticText6 = nullptr;
  QComboBox* GammaOpt = nullptr;
  QLabel* StaticText7 = nullptr;
  QComboBox* CoefficientsOpt = nullptr;
  QPushButton* OkBut = nullptr;
  QPushButton* CanBut = nullptr;

 private:
  void buildControls();
  void buildCheckGroup(const LayoutScale& scale);
  void showNumbers();
  void showSettings();

  TMainForm& owner_;
};

// The one options dialog, set while it exists.
extern TOptForm* OptForm;

}  // namespace ui
