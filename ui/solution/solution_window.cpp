// The worked solution's window: the steps of the last run, with real sub- and superscripts.
#include "ui/solution/solution_window.h"

#include <QGuiApplication>
#include <QScreen>
#include <QScrollBar>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "engine/document/document_html.h"
#include "ui/captions.h"

namespace ui {

namespace {

// Design pixels at 120 dpi: room for the column table without a horizontal scroll bar.
constexpr int kWidth = 760;
constexpr int kHeight = 620;
// The text is read, not glanced at: a little larger than the windows' own, so that indices stay
// legible; paragraphs a little closer than a browser sets them.
constexpr double kReadingFontFactor = 1.15;
// At most this share of the screen's free room, frame and title bar left around it.
constexpr double kScreenShare = 0.85;
constexpr const char* kStyle =
    "p { margin-top: 3px; margin-bottom: 3px; } h3 { margin-top: 10px; }";

QFont readingFont(QFont font) {
  if (font.pixelSize() > 0)
    font.setPixelSize(qRound(font.pixelSize() * kReadingFontFactor));
  else
    font.setPointSizeF(font.pointSizeF() * kReadingFontFactor);
  return font;
}

}  // namespace

QString solutionHtml(const engine::TextDocument& document) {
  const std::string html = "<html><body>" + engine::htmlDocument(document) + "</body></html>";
  return QString::fromUtf8(html.data(), static_cast<qsizetype>(html.size()));
}

SolutionWindow::SolutionWindow(const LayoutScale& scale, QWidget* owner)
    : QWidget(owner, Qt::Window) {
  setWindowTitle(QString::fromUtf8(text::kSolutionTitle));
  setFont(scale.font());
  browser_ = new QTextBrowser(this);
  browser_->setOpenLinks(false);
  browser_->setFont(readingFont(scale.font()));
  browser_->document()->setDefaultStyleSheet(QString::fromLatin1(kStyle));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(browser_);
  // Large densities on small screens: the window keeps to the room the desktop leaves.
  QSize size = scale.size(kWidth, kHeight);
  if (const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen())
    size = size.boundedTo(screen->availableGeometry().size() * kScreenShare);
  resize(size);
}

void SolutionWindow::showDocument(const engine::TextDocument& document) {
  QScrollBar* scroll = browser_->verticalScrollBar();
  const int position = scroll->value();
  browser_->setHtml(solutionHtml(document));
  scroll->setValue(position);
}

}  // namespace ui
