// The main window's title: the program's, then the sample file in use.
#include "ui/main_window/window_title.h"

#include <QFile>
#include <QFileInfo>

#include "ui/captions.h"

namespace ui {

QString mainWindowTitle(const std::string& fileName, const std::string& installedExample) {
  QString title = QString::fromUtf8(text::kMainWindowTitle);
  const QString name = QFileInfo(QFile::decodeName(fileName.c_str())).fileName();
  if (name.isEmpty()) return title;
  title += QStringLiteral(" — ") + name;
  if (!installedExample.empty() && fileName == installedExample)
    title += QString::fromUtf8(text::kExampleMark);
  return title;
}

}  // namespace ui
