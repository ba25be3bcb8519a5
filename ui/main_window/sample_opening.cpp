// Opening a sample from the main window: the file dialog of "Открыть…" and a dropped file.
#include "ui/main_window/sample_opening.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

#include "platform/data_files.h"
#include "ui/main_window/main_form.h"

namespace ui {

namespace {

const char* const kDialogTitle = "Открыть файл с выборкой";
// Tables open in the data window, which reads them into a sample.
const char* const kDialogFilter =
    "Текстовые файлы (*.txt);;Таблицы (*.csv *.tsv *.xlsx *.ods);;Все файлы (*)";

}  // namespace

void setupOpening(TMainForm& window) { window.setAcceptDrops(true); }

QString chooseSampleFile(TMainForm& window) {
  const std::string& current = window.state().FileName;
  QString folder = QDir::homePath();
  if (current != platform::installedExamplePath()) {
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
