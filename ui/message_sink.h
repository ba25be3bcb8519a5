// The one place where the program's message boxes and error displays go.
#pragma once

#include <QString>
#include <exception>
#include <functional>

namespace ui {

enum class MessageKind { Information, Error };

// Receives every message box the program shows. The default one is a modal
// QMessageBox; tests install their own so that nothing blocks.
using MessageBoxSink = std::function<void(MessageKind kind, const QString& text)>;

// Installs `sink` (an empty one restores the default) and returns the one it replaces.
MessageBoxSink setMessageBoxSink(MessageBoxSink sink);

// `text` with a break opportunity in every long run of characters without
// white space, so that a message box can wrap it within the screen.
QString breakableText(const QString& text);

// A modal message with one OK button; returns when it is closed.
void showMessageBox(const QString& text);

// The application's error display: the error's text in a message box.
void showException(const std::exception& error);

// Runs an event handler and shows any error that escapes it, so that it never
// unwinds through the toolkit's event loop and the window stays usable.
template <typename Handler>
void runHandler(Handler&& handler) {
  try {
    handler();
  } catch (const std::exception& error) {
    showException(error);
  }
}

}  // namespace ui
