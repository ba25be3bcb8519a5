// Qt's own Russian texts for the standard parts of the windows.
#pragma once

class QCoreApplication;

namespace ui {

// Installs Qt's Russian translations (qtbase_ru) on `application`, whatever
// the locale: the program speaks Russian throughout, so the log's context
// menu and the message boxes' buttons read "Копировать", "Выделить всё" and
// so on. Returns false, changing nothing, where the translations are missing.
bool installQtTranslations(QCoreApplication& application);

}  // namespace ui
