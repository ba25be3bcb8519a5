// The data window's controls, their layout and tab order, and its place on the screen.
#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/data_window/data_texts.h"
#include "ui/data_window/data_window.h"
#include "ui/layout_scale.h"
#include "ui/main_window/main_form.h"
#include "ui/message_sink.h"
#include "ui/tab_chain.h"

namespace ui {

namespace {

// The window as designed at 120 dpi, in pixels: its client area, and its frame beside the main
// window's right half, as the options dialog's is. It is never larger than most of the screen.
constexpr int kDesignWidth = 640;
constexpr int kDesignHeight = 560;
const DesignedFrame kDataWindowFrame{QPoint(330, 70), QSize(kDesignWidth + 16, kDesignHeight + 42)};
constexpr int kFrameSettleMs = 250;

}  // namespace

void DataWindow::buildControls() {
  const LayoutScale& scale = owner_.layoutScale();
  setWindowTitle(QString::fromUtf8(text::kDataWindowTitle));
  setFont(scale.font());

  OpenFile = new QPushButton(QString::fromUtf8(text::kOpenFileButton), this);
  ValuesMode = new QRadioButton(QString::fromUtf8(text::kValuesMode), this);
  GroupedMode = new QRadioButton(QString::fromUtf8(text::kGroupedMode), this);
  ValuesMode->setChecked(true);
  auto* modes = new QButtonGroup(this);
  modes->addButton(ValuesMode);
  modes->addButton(GroupedMode);

  DecimalBox = new QComboBox(this);
  DecimalBox->addItems({QString::fromUtf8(text::kDecimalAuto),
                        QString::fromUtf8(text::kDecimalPoint),
                        QString::fromUtf8(text::kDecimalComma)});
  ColumnBox = new QComboBox(this);
  ColumnBox->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  FirstNumberBox = new QComboBox(this);
  FirstNumberBox->addItems({QString::fromUtf8(text::kFirstAuto),
                            QString::fromUtf8(text::kFirstValue),
                            QString::fromUtf8(text::kFirstLength)});

  Input = new QPlainTextEdit(this);
  Input->setPlaceholderText(QString::fromUtf8(text::kInputHint));
  Input->setTabChangesFocus(true);
  Input->setLineWrapMode(QPlainTextEdit::NoWrap);
  Summary = new QPlainTextEdit(this);
  Summary->setReadOnly(true);
  Summary->setTabChangesFocus(true);

  IntervalField = new QLineEdit(this);
  SturgesButton = new QPushButton(QString::fromUtf8(text::kSturgesButton), this);
  IntervalCount = new QLabel(this);
  SaveAndOpen = new QPushButton(QString::fromUtf8(text::kSaveAndOpen), this);
  CloseButton = new QPushButton(QString::fromUtf8(text::kCloseButton), this);
  for (QPushButton* button : {OpenFile, SturgesButton, SaveAndOpen, CloseButton})
    button->setAutoDefault(false);

  const int gap = scale.px(8);
  auto* top = new QHBoxLayout;
  top->addWidget(OpenFile);
  top->addSpacing(gap);
  top->addWidget(ValuesMode);
  top->addWidget(GroupedMode);
  top->addStretch(1);

  auto* choices = new QHBoxLayout;
  auto label = [this](const char* caption, QWidget* buddy) {
    auto* result = new QLabel(QString::fromUtf8(caption), this);
    result->setBuddy(buddy);
    return result;
  };
  choices->addWidget(label(text::kDecimalLabel, DecimalBox));
  choices->addWidget(DecimalBox);
  choices->addSpacing(gap);
  choices->addWidget(label(text::kColumnLabel, ColumnBox));
  choices->addWidget(ColumnBox);
  choices->addSpacing(gap);
  choices->addWidget(label(text::kFirstNumberLabel, FirstNumberBox));
  choices->addWidget(FirstNumberBox);
  choices->addStretch(1);

  auto* interval = new QHBoxLayout;
  interval->addWidget(label(text::kIntervalFieldLabel, IntervalField));
  interval->addWidget(IntervalField);
  interval->addWidget(SturgesButton);
  interval->addWidget(IntervalCount, 1);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(SaveAndOpen);
  buttons->addWidget(CloseButton);

  auto* page = new QVBoxLayout(this);
  page->setContentsMargins(gap, gap, gap, gap);
  page->setSpacing(gap);
  page->addLayout(top);
  page->addLayout(choices);
  page->addWidget(Input, 3);
  page->addWidget(new QLabel(QString::fromUtf8(text::kRecognisedLabel), this));
  page->addWidget(Summary, 2);
  page->addLayout(interval);
  page->addLayout(buttons);

  setTabChain({OpenFile, ValuesMode, GroupedMode, DecimalBox, ColumnBox, FirstNumberBox, Input,
               Summary, IntervalField, SturgesButton, SaveAndOpen, CloseButton});
  // The window is mostly for typing or pasting.
  Input->setFocus();

  // Never larger than most of the screen, whatever the scale, and placed inside it.
  const QRect available = primaryScreenSpec().available;
  QSize size = scale.size(kDesignWidth, kDesignHeight);
  if (!available.isEmpty()) size = size.boundedTo(available.size() * 9 / 10);
  resize(size);
  move(placeFrame(available, kDataWindowFrame, scale.factor()));

  connect(OpenFile, &QPushButton::clicked, this, [this] { runHandler([this] { chooseFile(); }); });
  connect(modes, &QButtonGroup::buttonToggled, this, [this](QAbstractButton*, bool checked) {
    if (checked && !updating_) refresh();
  });
  for (QComboBox* box : {DecimalBox, FirstNumberBox})
    connect(box, &QComboBox::currentIndexChanged, this, [this] {
      if (!updating_) refresh();
    });
  connect(ColumnBox, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (updating_ || index < 0) return;
    column_ = index + 1;
    refresh();
  });
  connect(Input, &QPlainTextEdit::textChanged, this, [this] {
    if (updating_) return;
    // Typed over, the text is what counts now, not the workbook's cells.
    sheet_.reset();
    refresh();
  });
  connect(IntervalField, &QLineEdit::textEdited, this, [this] {
    intervalEdited_ = true;
    showIntervalCount();
  });
  connect(SturgesButton, &QPushButton::clicked, this, [this] {
    intervalEdited_ = false;
    sturgesChosen_ = true;
    proposeInterval();
  });
  connect(SaveAndOpen, &QPushButton::clicked, this,
          [this] { runHandler([this] { saveAndOpen(); }); });
  connect(CloseButton, &QPushButton::clicked, this, &QWidget::close);
}

void DataWindow::showAndRaise() {
  const bool first = !placedOnScreen_;
  placedOnScreen_ = true;
  show();
  raise();
  activateWindow();
  // The frame is known once the window manager has put it up.
  if (first) QTimer::singleShot(kFrameSettleMs, this, [this] { keepFrameOnScreen(*this); });
}

}  // namespace ui
