// The notice above the chart: the data analysed are not the whole file as it was meant.
#include "ui/main_window/data_notice.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "ui/captions.h"
#include "ui/layout_scale.h"

namespace ui {

DataNotice::DataNotice(const LayoutScale& scale, QWidget* parent) : QFrame(parent) {
  setFrameShape(QFrame::Box);
  // The tooltip colours: a pale background that stands out from the window in any theme.
  setAutoFillBackground(true);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, colours.color(QPalette::ToolTipBase));
  colours.setColor(QPalette::WindowText, colours.color(QPalette::ToolTipText));
  setPalette(colours);
  setFont(scale.font());

  Text = new QLabel(this);
  Text->setWordWrap(true);
  Text->setTextFormat(Qt::RichText);
  Text->setTextInteractionFlags(Qt::TextSelectableByMouse);
  OpenInDataWindow = new QPushButton(QString::fromUtf8(text::kOpenInDataWindow), this);
  OpenInDataWindow->setAutoDefault(false);

  auto* row = new QHBoxLayout(this);
  const int margin = scale.px(6);
  row->setContentsMargins(margin, margin / 2, margin, margin / 2);
  row->setSpacing(margin);
  row->addWidget(Text, 1);
  row->addWidget(OpenInDataWindow, 0, Qt::AlignVCenter);

  connect(OpenInDataWindow, &QPushButton::clicked, this, [this] { emit openRequested(file_); });
  hide();
}

void DataNotice::showFindings(const QString& file, const QStringList& findings) {
  file_ = file;
  findings_ = findings;
  if (findings.isEmpty()) {
    hide();
    return;
  }
  QString html =
      QStringLiteral("<b>") +
      QString::fromUtf8(text::kNoticeHeading).arg(QFileInfo(file).fileName().toHtmlEscaped()) +
      QStringLiteral("</b>");
  for (const QString& finding : findings)
    html += QStringLiteral("<br>• ") + finding.toHtmlEscaped();
  Text->setText(html);
  show();
}

}  // namespace ui
