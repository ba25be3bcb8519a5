// The text of the about box, with the versions of the libraries as they run.
#include "ui/help/about_text.h"

#include "report/docx/docx_writer.h"
#include "ui/captions.h"

namespace ui {

QString aboutText() {
  return QString::fromUtf8(text::kAboutText).arg(QStringLiteral(TARNEK_VERSION)) +
         QStringLiteral(
             "\n\nБиблиотеки: Qt %1 (Widgets, Charts, SVG, Print Support), libzip %2; "
             "tarnek-cli также Boost.Math.")
             .arg(QString::fromLatin1(qVersion()), report::zipLibraryVersion());
}

}  // namespace ui
