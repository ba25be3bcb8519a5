// The manual's window: a QTextBrowser on the HTML in the resources.
#include "ui/manual_window.h"

#include <QTextBrowser>
#include <QUrl>

#include "ui/command_captions.h"
#include "ui/main_form.h"

namespace ui {

namespace {

const char* const kBrowserName = "manual";
constexpr int kDesignWidth = 640;
constexpr int kDesignHeight = 560;

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
    browser->resize(window.layoutScale().size(kDesignWidth, kDesignHeight));
    browser->setSource(QUrl(QString::fromLatin1(kManualUrl)));
  }
  browser->show();
  browser->raise();
  browser->activateWindow();
  return browser;
}

}  // namespace ui
