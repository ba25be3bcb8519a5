// What a run shows around the analysis: the window's title, the data notice, the recent files.
#include "ui/main_window/file_run.h"

#include <QFile>

#include "engine/number_format.h"
#include "engine/process_file.h"
#include "engine/read_stop.h"
#include "engine/texts.h"
#include "platform/data_files.h"
#include "ui/captions.h"
#include "ui/data_window/file_bytes.h"
#include "ui/main_window/data_notice.h"
#include "ui/main_window/main_form.h"
#include "ui/main_window/main_menu.h"
#include "ui/main_window/recent_files.h"
#include "ui/main_window/window_title.h"

namespace ui {

QStringList noticeFindings(const engine::RunResult& result,
                           const std::vector<engine::SampleFinding>& findings) {
  QStringList lines;
  if (result.stoppedAt)
    lines.append(QString::fromStdString(engine::readStopLine(*result.stoppedAt)) +
                 QString::fromUtf8(text::kValuesAnalysed).arg(result.n.value_or(0)));
  using Kind = engine::SampleFinding::Kind;
  if (result.truncated) {
    // The log's line, with the place where the values left out begin.
    QString line = QString::fromUtf8(engine::text::kMoreValuesThanRead);
    for (const engine::SampleFinding& finding : findings)
      if (finding.kind == Kind::MoreThan200Values)
        line += QString::fromUtf8(text::kFirstUnread)
                    .arg(finding.line)
                    .arg(QString::fromStdString(finding.text));
    lines.append(line);
  }
  for (const engine::SampleFinding& finding : findings)
    if (!(result.truncated && finding.kind == Kind::MoreThan200Values))
      lines.append(QString::fromStdString(engine::sampleFindingText(finding)));
  return lines;
}

void showRunAround(TMainForm& window, bool readFile, bool remember,
                   const engine::RunResult& result) {
  const std::string& fileName = window.state().FileName;
  window.setWindowTitle(mainWindowTitle(fileName, platform::installedExamplePath()));
  if (!readFile) return;
  const QString path = QFile::decodeName(fileName.c_str());
  std::vector<engine::SampleFinding> findings;
  if (result.outcome != engine::RunOutcome::FileNotOpened) {
    QString unread;
    if (const std::optional<QByteArray> bytes = readDataFile(path, &unread))
      findings = engine::checkSampleFile(
          std::string_view(bytes->constData(), static_cast<size_t>(bytes->size())));
    if (remember && fileName != platform::installedExamplePath()) {
      rememberRecentFile(path);
      window.Menu->showRecentFiles();
    }
  }
  // A file that could not be opened has nothing to say beyond the log's line.
  window.Notice->showFindings(path, result.outcome == engine::RunOutcome::FileNotOpened
                                        ? QStringList()
                                        : noticeFindings(result, findings));
  window.relayout();
}

}  // namespace ui
