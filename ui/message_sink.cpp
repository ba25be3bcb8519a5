// The default message boxes and the replaceable sink in front of them.
#include "message_sink.h"

#include <QApplication>
#include <QMessageBox>
#include <utility>

#include "captions.h"

namespace ui {

namespace {

void showModalBox(MessageKind kind, const QString& text) {
  QMessageBox box(kind == MessageKind::Error ? QMessageBox::Critical : QMessageBox::Information,
                  QString::fromUtf8(text::kMainWindowTitle), text, QMessageBox::Ok,
                  QApplication::activeWindow());
  box.exec();
}

MessageSink& currentSink() {
  static MessageSink sink = showModalBox;
  return sink;
}

}  // namespace

MessageSink setMessageSink(MessageSink sink) {
  MessageSink previous = std::move(currentSink());
  currentSink() = sink ? std::move(sink) : MessageSink(showModalBox);
  return previous;
}

void showMessageBox(const QString& text) { currentSink()(MessageKind::Information, text); }

void showException(const std::exception& error) {
  currentSink()(MessageKind::Error, QString::fromUtf8(error.what()));
}

}  // namespace ui
