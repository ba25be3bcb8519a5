// The entry point of tarnek: start-up, the event loop, and exit code 0.
#include <QApplication>
#include <exception>

#include "message_sink.h"
#include "qt_translations.h"
#include "start_up.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  ui::installQtTranslations(application);
  try {
    std::unique_ptr<ui::TMainForm> mainForm = ui::startUp();
    mainForm->show();
    QApplication::exec();
  } catch (const std::exception& error) {
    ui::showException(error);
  }
  return 0;
}
