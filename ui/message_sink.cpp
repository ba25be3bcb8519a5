// The default message boxes and the replaceable sink in front of them.
#include "ui/message_sink.h"

#include <QApplication>
#include <QMessageBox>
#include <utility>

#include "ui/captions.h"

namespace ui {

namespace {

// Longest run of characters without a break opportunity that a box shows as it is.
constexpr int kLongestRun = 40;

void showModalBox(MessageKind kind, const QString& text) {
  QMessageBox box(kind == MessageKind::Error ? QMessageBox::Critical : QMessageBox::Information,
                  QString::fromUtf8(text::kMainWindowTitle), breakableText(text), QMessageBox::Ok,
                  QApplication::activeWindow());
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

}  // namespace

QString breakableText(const QString& text) {
  // A message box wraps at spaces only; a long file name or typed text without
  // any would widen it past the screen. A zero-width space lets it wrap there.
  QString result;
  result.reserve(text.size() + text.size() / kLongestRun);
  int run = 0;
  for (const QChar ch : text) {
    run = ch.isSpace() ? 0 : run + 1;
    if (run > kLongestRun && !ch.isLowSurrogate()) {
      result.append(QChar(0x200B));
      run = 1;
    }
    result.append(ch);
  }
  return result;
}

namespace {

MessageBoxSink& currentSink() {
  static MessageBoxSink sink = showModalBox;
  return sink;
}

}  // namespace

MessageBoxSink setMessageBoxSink(MessageBoxSink sink) {
  MessageBoxSink previous = std::move(currentSink());
  currentSink() = sink ? std::move(sink) : MessageBoxSink(showModalBox);
  return previous;
}

void showMessageBox(const QString& text) { currentSink()(MessageKind::Information, text); }

void showException(const std::exception& error) {
  currentSink()(MessageKind::Error, QString::fromUtf8(error.what()));
}

}  // namespace ui
