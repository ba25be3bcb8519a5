// The options dialog: its layout, the two modes of Apply, Cancel.
#include "ui/options/opt_form.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "engine/option_fields.h"
#include "platform/decimal_separator.h"
#include "ui/captions.h"
#include "ui/main_window/main_form.h"
#include "ui/message_sink.h"
#include "ui/options/conversion_error.h"
#include "ui/options/number_field.h"
#include "ui/tab_chain.h"

namespace ui {

TOptForm* OptForm = nullptr;

namespace {

// The designed outer size is kOptionsFrame's; the frame and caption take the rest.
constexpr int kClientWidth = 279;
constexpr int kClientHeight = 326;
// The group of the test's settings, under the four fields and above the buttons.
constexpr int kGroupTop = 136;
constexpr int kGroupHeight = 145;
constexpr int kButtonsTop = kGroupTop + kGroupHeight + 8;

// α and γ as the fields write numbers: with the locale's decimal separator.
QString choiceText(const char* value) {
  return QString::fromUtf8(value).replace(QLatin1Char('.'),
                                          QLatin1Char(platform::localeDecimalSeparator()));
}

// The index of a setting among its choices, which the combo box lists in the same order.
template <typename Setting, size_t count>
int indexOf(const Setting (&choices)[count], Setting value) {
  for (size_t i = 0; i < count; ++i)
    if (choices[i] == value) return static_cast<int>(i);
  return 0;
}

template <typename Setting, size_t count>
Setting chosen(const Setting (&choices)[count], const QComboBox* box) {
  const int index = box->currentIndex();
  return index >= 0 && static_cast<size_t>(index) < count ? choices[index] : choices[0];
}

}  // namespace

TOptForm::TOptForm(TMainForm& owner)
    // A dialog with a close button only: it keeps its size and cannot be maximised.
    : QWidget(&owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      owner_(owner) {
  OptForm = this;
  buildControls();
  NameF->setText(QString::fromStdString(owner_.state().FileName));
  showNumbers();
  showSettings();
  // Filling NameF has marked a file change; the dialog starts in numbers mode.
  owner_.state().FileChanged = false;
}

TOptForm::~TOptForm() {
  if (OptForm == this) OptForm = nullptr;
}

void TOptForm::buildControls() {
  const LayoutScale& scale = owner_.layoutScale();
  setWindowTitle(QString::fromUtf8(text::kOptionsTitle));
  setFont(scale.font());
  setFixedSize(scale.size(kClientWidth, kClientHeight));
  move(placeFrame(primaryScreenSpec().available, kOptionsFrame, scale.factor()));

  auto label = [&](const char* caption, QRect geometry) {
    auto* result = new QLabel(QString::fromUtf8(caption), this);
    result->setGeometry(geometry);
    result->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return result;
  };
  auto field = [&](QRect geometry) {
    auto* result = new QLineEdit(this);
    result->setGeometry(geometry);
    return result;
  };
  auto button = [&](const char* caption, QRect geometry) {
    auto* result = new QPushButton(QString::fromUtf8(caption), this);
    result->setGeometry(geometry);
    // Enter and Escape press neither button.
    result->setAutoDefault(false);
    result->setDefault(false);
    return result;
  };

  LIopt = field(scale.rect(152, 40, 121, 24));
  StaticText1 = label(text::kFileNameLabel, scale.rect(8, 16, 76, 20));
  StaticText2 = label(text::kIntervalLabel, scale.rect(8, 48, 128, 20));
  XminOpt = field(scale.rect(152, 72, 121, 24));
  NameF = field(scale.rect(152, 8, 121, 24));
  XmaxOpt = field(scale.rect(152, 104, 121, 24));
  StaticText3 = label(text::kXminLabel, scale.rect(8, 80, 33, 20));
  StaticText4 = label(text::kXmaxLabel, scale.rect(8, 112, 37, 20));
  buildCheckGroup(scale);
  OkBut = button(text::kApplyButton, scale.rect(8, kButtonsTop, 89, 25));
  CanBut = button(text::kCancelButton, scale.rect(184, kButtonsTop, 91, 25));

  // The interval length comes first, the file name only third; the group follows the fields.
  setTabChain({LIopt, XminOpt, NameF, XmaxOpt, AlphaOpt, GammaOpt, CoefficientsOpt, OkBut, CanBut});
  LIopt->setFocus();

  connect(NameF, &QLineEdit::textChanged, this, [this] { runHandler([this] { NameFChange(); }); });
  connect(OkBut, &QPushButton::clicked, this, [this] { runHandler([this] { OkButClick(); }); });
  connect(CanBut, &QPushButton::clicked, this, [this] { runHandler([this] { CanButClick(); }); });
}

void TOptForm::buildCheckGroup(const LayoutScale& scale) {
  CheckGroup = new QGroupBox(QString::fromUtf8(text::kCheckGroup), this);
  CheckGroup->setGeometry(scale.rect(8, kGroupTop, 265, kGroupHeight));
  // Inside the group, positions count from its corner.
  auto label = [&](const char* caption, QRect geometry) {
    auto* result = new QLabel(QString::fromUtf8(caption), CheckGroup);
    result->setGeometry(geometry);
    result->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return result;
  };
  auto choices = [&](const QStringList& items, QRect geometry) {
    auto* result = new QComboBox(CheckGroup);
    result->addItems(items);
    result->setGeometry(geometry);
    return result;
  };
  QStringList levels, reliabilities;
  for (const engine::SignificanceLevel level : engine::kSignificanceLevels)
    levels.append(choiceText(engine::levelText(level)));
  for (const engine::Reliability reliability : engine::kReliabilities)
    reliabilities.append(choiceText(engine::reliabilityText(reliability)));

  // The first row keeps clear of the title, which the style may draw across the frame's top.
  StaticText5 = label(text::kLevelLabel, scale.rect(8, 37, 150, 20));
  AlphaOpt = choices(levels, scale.rect(164, 33, 93, 24));
  StaticText6 = label(text::kReliabilityLabel, scale.rect(8, 67, 150, 20));
  GammaOpt = choices(reliabilities, scale.rect(164, 63, 93, 24));
  StaticText7 = label(text::kCoefficientsLabel, scale.rect(8, 90, 249, 20));
  CoefficientsOpt = choices(
      {QString::fromUtf8(text::kCoefficientsMethod), QString::fromUtf8(text::kCoefficientsSample)},
      scale.rect(8, 114, 249, 24));
  StaticText5->setBuddy(AlphaOpt);
  StaticText6->setBuddy(GammaOpt);
  StaticText7->setBuddy(CoefficientsOpt);
}

void TOptForm::showSettings() {
  const engine::AnalysisState& state = owner_.state();
  AlphaOpt->setCurrentIndex(indexOf(engine::kSignificanceLevels, state.Alpha));
  GammaOpt->setCurrentIndex(indexOf(engine::kReliabilities, state.Gamma));
  CoefficientsOpt->setCurrentIndex(indexOf(engine::kCoefficientSources, state.Coefficients));
}

void TOptForm::showNumbers() {
  const engine::AnalysisState& state = owner_.state();
  showStoredNumber(*LIopt, state.IntervalLength);
  showStoredNumber(*XminOpt, state.Xmin);
  showStoredNumber(*XmaxOpt, state.Xmax);
}

void TOptForm::NameFChange() { owner_.state().FileChanged = true; }

void TOptForm::OkButClick() {
  engine::AnalysisState& state = owner_.state();
  engine::OptionFields fields{NameF->text().toStdString(),
                              numberField(*LIopt),
                              numberField(*XminOpt),
                              numberField(*XmaxOpt),
                              chosen(engine::kSignificanceLevels, AlphaOpt),
                              chosen(engine::kReliabilities, GammaOpt),
                              chosen(engine::kCoefficientSources, CoefficientsOpt)};
  const engine::ApplyResult result = engine::applyOptionFields(
      state, fields, platform::localeDecimalSeparator(), [this] { owner_.ProcessFile(); });
  // Whatever Apply stored stays, up to the field that stopped it.
  keepNumberField(*LIopt, fields.intervalLength);
  keepNumberField(*XminOpt, fields.xmin);
  keepNumberField(*XmaxOpt, fields.xmax);
  if (result.error) throw ConversionError(QString::fromStdString(*result.error));
}

void TOptForm::applyFile(const QString& path) {
  NameF->setText(path);
  // Setting the same text again raises no change; the file is reloaded all the same.
  owner_.state().FileChanged = true;
  OkButClick();
}

void TOptForm::CanButClick() {
  owner_.state().FileChanged = false;
  close();
}

}  // namespace ui
