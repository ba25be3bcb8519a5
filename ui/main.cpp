// The entry point of tarnek: start-up, the event loop, and exit code 0.
#include <QApplication>
#include <exception>
#include <optional>
#include <string>

#include "ui/message_sink.h"
#include "ui/qt_translations.h"
#include "ui/start_up.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  ui::installQtTranslations(application);
  try {
    // `tarnek FILE` analyses FILE first; Qt has already taken its own options out of argv.
    const std::optional<std::string> sample =
        argc > 1 ? std::optional<std::string>(argv[1]) : std::nullopt;
    std::unique_ptr<ui::TMainForm> mainForm = ui::startUp(sample);
    mainForm->show();
    QApplication::exec();
  } catch (const std::exception& error) {
    ui::showException(error);
  }
  return 0;
}
