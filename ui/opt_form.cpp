// The options dialog: its layout, the two modes of Apply, Cancel.
#include "ui/opt_form.h"

#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <optional>

#include "engine/decimal_separator.h"
#include "engine/option_fields.h"
#include "ui/captions.h"
#include "ui/conversion_error.h"
#include "ui/decimal_separator.h"
#include "ui/main_form.h"
#include "ui/message_sink.h"
#include "ui/tab_chain.h"

namespace ui {

TOptForm* OptForm = nullptr;

namespace {

// The designed outer size is 295 x 215; the frame and caption take the rest.
constexpr int kClientWidth = 279;
constexpr int kClientHeight = 173;

QString fieldText(float value) {
  return QString::fromStdString(engine::fieldText(value, localeDecimalSeparator()));
}

}  // namespace

double localeNumber(const QString& text, const QLocale& locale, bool* ok) {
  const std::optional<double> value = engine::readDecimalNumber(
      text.toStdString(), engine::decimalSeparatorOf(locale.decimalPoint().toStdString()));
  *ok = value.has_value();
  return value.value_or(0.0);
}

TOptForm::TOptForm(TMainForm& owner)
    // A dialog with a close button only: it keeps its size and cannot be maximised.
    : QWidget(&owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      owner_(owner) {
  OptForm = this;
  buildControls();
  NameF->setText(QString::fromStdString(owner_.state().FileName));
  showNumbers();
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
  OkBut = button(text::kApplyButton, scale.rect(8, 136, 89, 25));
  CanBut = button(text::kCancelButton, scale.rect(184, 136, 91, 25));

  // The interval length comes first, the file name only third.
  setTabChain({LIopt, XminOpt, NameF, XmaxOpt, OkBut, CanBut});
  LIopt->setFocus();

  connect(NameF, &QLineEdit::textChanged, this, [this] { runHandler([this] { NameFChange(); }); });
  connect(OkBut, &QPushButton::clicked, this, [this] { runHandler([this] { OkButClick(); }); });
  connect(CanBut, &QPushButton::clicked, this, [this] { runHandler([this] { CanButClick(); }); });
}

void TOptForm::showNumbers() {
  const engine::AnalysisState& state = owner_.state();
  LIopt->setText(fieldText(state.IntervalLength));
  XminOpt->setText(fieldText(state.Xmin));
  XmaxOpt->setText(fieldText(state.Xmax));
}

void TOptForm::NameFChange() { owner_.state().FileChanged = true; }

void TOptForm::OkButClick() {
  engine::OptionFields fields{NameF->text().toStdString(), LIopt->text().toStdString(),
                              XminOpt->text().toStdString(), XmaxOpt->text().toStdString()};
  const engine::ApplyResult result = engine::applyOptionFields(
      owner_.state(), fields, localeDecimalSeparator(), [this] { owner_.ProcessFile(); });
  if (result.error) throw ConversionError(QString::fromStdString(result.error->message()));
  if (result.fileMode) showNumbers();
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
