// The line under the chart that keeps the run's verdict in view.
#include "ui/results/result_line.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPalette>
#include <QTimer>

#include "engine/result_sentence.h"
#include "ui/captions.h"

namespace ui {

namespace {

QString fromUtf8(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Dark enough to read on the window's face; the mark and the words carry the meaning anyway.
QColor toneColour(engine::RunOutcome outcome, const QColor& plain) {
  switch (engine::resultTone(outcome)) {
    case engine::ResultTone::Accepted:
      return QColor(0, 110, 0);
    case engine::ResultTone::Rejected:
      return QColor(175, 0, 0);
    case engine::ResultTone::NoVerdict:
      break;
  }
  return outcome == engine::RunOutcome::NoCriticalPoint ? QColor(150, 75, 0) : plain;
}

}  // namespace

ResultLine::ResultLine(QWidget* parent) : QLabel(parent) {
  setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  setTextFormat(Qt::PlainText);
  setIndent(4);
  setAccessibleName(QString::fromUtf8(text::kResultLineName));
  // The line's width is the window's business, never the sentence's.
  setMinimumWidth(1);
  setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
  tone_ = plainText();
  noticeTimer_ = new QTimer(this);
  noticeTimer_->setSingleShot(true);
  noticeTimer_->setInterval(kNoticeMs);
  connect(noticeTimer_, &QTimer::timeout, this, [this] { endNotice(); });
}

void ResultLine::showResult(const engine::RunResult& result, const QString& tablePath,
                            char decimalSeparator) {
  result_ = result;
  tablePath_ = tablePath;
  decimalSeparator_ = decimalSeparator;
  sentence_ =
      fromUtf8(engine::resultSentence(result_, decimalSeparator_, tablePath_.toStdString()));
  tone_ = toneColour(result.outcome, plainText());
  setAccessibleDescription(sentence_);
  // A new verdict is what the user waits for: an older notice makes way at once.
  noticeTimer_->stop();
  endNotice();
}

void ResultLine::showNotice(const QString& notice) {
  notice_ = notice;
  showColour(plainText());
  setToolTip(notice_);
  fitText();
  noticeTimer_->start();
}

void ResultLine::endNotice() {
  notice_.clear();
  showColour(tone_);
  setToolTip(sentence_);
  fitText();
}

// The style's text colour, not the line's own palette, which holds the last verdict's tone.
QColor ResultLine::plainText() const {
  return QApplication::palette(this).color(QPalette::WindowText);
}

void ResultLine::showColour(const QColor& colour) {
  QPalette colours = palette();
  colours.setColor(QPalette::WindowText, colour);
  setPalette(colours);
}

void ResultLine::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  fitText();
}

void ResultLine::fitText() {
  const QFontMetrics metrics(font());
  const int room = contentsRect().width() - 2 * indent();
  if (!notice_.isEmpty()) {
    // The notice's path is what gives way, from its middle, so the folder's start and the name
    // stay in view.
    setText(metrics.elidedText(notice_, Qt::ElideMiddle, room));
    return;
  }
  if (metrics.horizontalAdvance(sentence_) <= room) {
    setText(sentence_);
    return;
  }
  QString shown = sentence_;
  if (result_.outcome == engine::RunOutcome::NoCriticalPoint) {
    // The path goes last and gives way first, from its middle, so its start and name stay.
    const QString rest = fromUtf8(engine::resultSentence(result_, decimalSeparator_, ""));
    const QString path =
        metrics.elidedText(tablePath_, Qt::ElideMiddle, room - metrics.horizontalAdvance(rest));
    shown = rest + path;
  }
  setText(metrics.elidedText(shown, Qt::ElideRight, room));
}

}  // namespace ui
