// The worked solution's window: the steps of the last run, with real sub- and superscripts.
#pragma once

#include <QWidget>

#include "engine/document/text_document.h"
#include "ui/layout_scale.h"

class QTextBrowser;

namespace ui {

// Not modal: it stays open beside the main window and shows whatever document it was given last.
class SolutionWindow : public QWidget {
  Q_OBJECT

 public:
  SolutionWindow(const LayoutScale& scale, QWidget* owner);

  // Replaces the text, keeping the reader's place when the new one is as long.
  void showDocument(const engine::TextDocument& document);
  QTextBrowser* browser() const { return browser_; }

 private:
  QTextBrowser* browser_ = nullptr;
};

// The document as a whole HTML page for Qt's rich text.
QString solutionHtml(const engine::TextDocument& document);

}  // namespace ui
