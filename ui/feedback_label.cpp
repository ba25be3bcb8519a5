// The feedback message: a label over the chart's foot that hides itself again.
#include "ui/feedback_label.h"

#include <QLabel>
#include <QTimer>

#include "ui/analysis_chart.h"
#include "ui/main_form.h"

namespace ui {

namespace {

constexpr int kShownMs = 6000;
const char* const kLabelName = "feedback";

QLabel* feedbackLabel(const TMainForm& window) {
  return window.findChild<QLabel*>(QLatin1String(kLabelName), Qt::FindDirectChildrenOnly);
}

}  // namespace

void showFeedback(TMainForm& window, const QString& text) {
  QLabel* label = feedbackLabel(window);
  if (label == nullptr) {
    label = new QLabel(&window);
    label->setObjectName(QLatin1String(kLabelName));
    label->setFont(window.layoutScale().font());
    label->setAutoFillBackground(true);
    label->setFrameShape(QFrame::Box);
    label->setMargin(window.layoutScale().px(3));
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, QColor(255, 255, 225));
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
    auto* timer = new QTimer(label);
    timer->setObjectName(QStringLiteral("feedbackTimer"));
    timer->setSingleShot(true);
    QObject::connect(timer, &QTimer::timeout, label, [label] {
      label->hide();
      label->clear();
    });
  }
  label->setText(text);
  // At the chart's foot, within its width: a long path is cut at the end, not the window.
  const QRect chart = window.Chart->geometry();
  const int inset = window.layoutScale().px(6);
  label->setMaximumWidth(chart.width() - 2 * inset);
  label->adjustSize();
  label->move(chart.left() + inset, chart.bottom() - inset - label->height());
  label->show();
  label->raise();
  label->findChild<QTimer*>()->start(kShownMs);
}

QString shownFeedback(const TMainForm& window) {
  const QLabel* label = feedbackLabel(window);
  return label != nullptr && !label->isHidden() ? label->text() : QString();
}

}  // namespace ui
