// Loading the report module only when --docx, --pdf or --chart asks for it.
#include "cli/report_module.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

#include "cli/report_data.h"
#include "cli/report_export.h"

namespace cli {

namespace {

constexpr const char* kModuleName = "libtarnek_report_export.so";
constexpr const char* kEntryName = "tarnekBuildExport";

// Beside the executable in the build tree; in ../lib/tarnek/ once installed (the package puts
// tarnek-cli in /usr/bin and the module in /usr/lib/tarnek).
QString modulePath() {
  QString folder;
  {
    // Qt tells the executable's folder only while an application object exists; this one goes
    // before the module starts its own.
    int argc = 1;
    char name[] = "tarnek-cli";
    char* argv[] = {name, nullptr};
    const QCoreApplication application(argc, argv);
    folder = QCoreApplication::applicationDirPath();
  }
  const QDir executableFolder(folder);
  QString beside = executableFolder.filePath(QLatin1String(kModuleName));
  if (QFileInfo::exists(beside)) return beside;
  return QDir::cleanPath(executableFolder.filePath(QStringLiteral("../lib/tarnek/")) +
                         QLatin1String(kModuleName));
}

}  // namespace

bool buildReportThroughModule(const engine::RecordedView& view, ExportKind kind,
                              const engine::TextDocument* solution, std::string& document,
                              std::ostream& err) {
  // Never unloaded (QLibrary leaves that to unload()): Qt registers exit handlers inside it.
  QLibrary module(modulePath());
  module.setLoadHints(QLibrary::ResolveAllSymbolsHint);
  if (!module.load()) {
    err << "tarnek-cli: the report module could not be loaded: "
        << module.errorString().toStdString() << '\n';
    return false;
  }
  const auto build = reinterpret_cast<decltype(&tarnekBuildExport)>(module.resolve(kEntryName));
  if (build == nullptr) {
    err << "tarnek-cli: the report module is damaged: " << module.errorString().toStdString()
        << '\n';
    return false;
  }
  std::string error;
  if (build(reportData(view, solution), kind, document, error)) return true;
  err << "tarnek-cli: " << error << '\n';
  return false;
}

}  // namespace cli
