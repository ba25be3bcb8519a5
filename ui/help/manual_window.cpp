// The manual's window: a QTextBrowser on the HTML in the resources.
#include "ui/help/manual_window.h"

#include <QScreen>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>

#include "ui/command_captions.h"
#include "ui/layout_scale.h"
#include "ui/main_window/main_form.h"

namespace ui {

namespace {

const char* const kBrowserName = "manual";
constexpr int kDesignWidth = 640;
constexpr int kDesignHeight = 560;
constexpr int kFrameSettleMs = 250;

}  // namespace

QTextBrowser* showManual(TMainForm& window) {
  auto* browser =
      window.findChild<QTextBrowser*>(QLatin1String(kBrowserName), Qt::FindDirectChildrenOnly);
  if (browser == nullptr) {
    browser = new QTextBrowser(&window);
    browser->setObjectName(QLatin1String(kBrowserName));
    browser->setWindowFlag(Qt::Window);
    browser->setWindowTitle(QString::fromUtf8(text::kManualTitle));
    browser->setFont(window.layoutScale().font());
    browser->setOpenExternalLinks(false);
    // Over the main window's middle, and no larger than the screen allows.
    QSize size = window.layoutScale().size(kDesignWidth, kDesignHeight);
    if (const QScreen* screen = window.screen())
      size = size.boundedTo(screen->availableGeometry().size() * 0.9);
    browser->resize(size);
    browser->move(window.frameGeometry().center() - QPoint(size.width() / 2, size.height() / 2));
    browser->setSource(QUrl(QString::fromLatin1(kManualUrl)));
    // The window manager frames it once it is shown; then it is moved back inside the screen.
    QTimer::singleShot(kFrameSettleMs, browser, [browser] { keepFrameOnScreen(*browser); });
  }
  browser->show();
  browser->raise();
  browser->activateWindow();
  return browser;
}

}  // namespace ui
