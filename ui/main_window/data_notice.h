// The notice above the chart: the data analysed are not the whole file as it was meant.
#pragma once

#include <QFrame>
#include <QString>
#include <QStringList>

class QLabel;
class QPushButton;

namespace chart {
class LayoutScale;
}

namespace ui {

using chart::LayoutScale;

class DataNotice : public QFrame {
  Q_OBJECT

 public:
  DataNotice(const LayoutScale& scale, QWidget* parent);

  // Shows what was found about `file`, one sentence a finding (each names its
  // line and text), or hides the notice when there is nothing.
  void showFindings(const QString& file, const QStringList& findings);

  const QString& file() const { return file_; }
  const QStringList& findings() const { return findings_; }

  QLabel* Text = nullptr;
  QPushButton* OpenInDataWindow = nullptr;

 signals:
  // "Открыть в окне данных" with the file the notice is about.
  void openRequested(const QString& file);

 private:
  QString file_;
  QStringList findings_;
};

}  // namespace ui
