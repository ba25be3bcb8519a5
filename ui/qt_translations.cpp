// Loading qtbase_ru from Qt's translations folder.
#include "ui/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

namespace ui {

bool installQtTranslations(QCoreApplication& application) {
  auto translator = std::make_unique<QTranslator>(&application);
  if (!translator->load(QStringLiteral("qtbase_ru"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    return false;
  return QCoreApplication::installTranslator(translator.release());
}

}  // namespace ui
