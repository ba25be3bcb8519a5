// Opening a sample from the main window: Ctrl+O's file dialog and a dropped file.
#include "ui/sample_opening.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

#include "ui/data_files.h"
#include "ui/main_form.h"
#include "ui/message_sink.h"

namespace ui {

namespace {

const char* const kDialogTitle = "Открыть файл с выборкой";
const char* const kDialogFilter = "Текстовые файлы (*.txt);;Все файлы (*)";

}  // namespace

void setupOpening(TMainForm& window) {
  auto* open = new QAction(&window);
  open->setShortcut(QKeySequence::Open);
  open->setShortcutContext(Qt::WindowShortcut);
  window.addAction(open);
  QObject::connect(open, &QAction::triggered, &window,
                   [&window] { runHandler([&window] { window.openSampleDialog(); }); });
  window.setAcceptDrops(true);
}

QString chooseSampleFile(TMainForm& window) {
  const std::string& current = window.state().FileName;
  QString folder = QDir::homePath();
  if (current != installedExamplePath()) {
    const QFileInfo file(QFile::decodeName(current.c_str()));
    if (file.absoluteDir().exists()) folder = file.absolutePath();
  }
  return QFileDialog::getOpenFileName(&window, QString::fromUtf8(kDialogTitle), folder,
                                      QString::fromUtf8(kDialogFilter), nullptr,
                                      QFileDialog::DontUseNativeDialog);
}

QString droppedFile(const QMimeData* data) {
  if (data == nullptr || !data->hasUrls()) return {};
  for (const QUrl& url : data->urls())
    if (url.isLocalFile() && QFileInfo(url.toLocalFile()).isFile()) return url.toLocalFile();
  return {};
}

}  // namespace ui
