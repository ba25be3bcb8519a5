// The line under the chart that keeps the run's verdict in view.
#pragma once

#include <QColor>
#include <QLabel>
#include <QString>

#include "engine/run_result.h"

class QTimer;

namespace ui {

// One line of text in the colour of the outcome, with a mark and words that tell accepted from
// rejected without it. Too long a sentence is shortened to fit (a table's path in its middle);
// the tooltip always holds the whole of it. A command's notice ("Отчёт сохранён: …") takes the
// line for a few seconds, in the window's own colour, and then gives it back to the verdict.
class ResultLine : public QLabel {
  Q_OBJECT

 public:
  explicit ResultLine(QWidget* parent);

  // `tablePath` is where the critical-point table was looked for, named when it had no point.
  void showResult(const engine::RunResult& result, const QString& tablePath, char decimalSeparator);
  // The whole sentence, however much of it fits.
  const QString& sentence() const { return sentence_; }

  // Shows `notice` in the verdict's place until kNoticeMs have passed, a newer notice replaces
  // it or a new result comes; a long path in it gives up its middle.
  void showNotice(const QString& notice);
  // The notice shown now; empty while the verdict is.
  const QString& notice() const { return notice_; }
  static constexpr int kNoticeMs = 6000;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void fitText();
  void endNotice();
  void showColour(const QColor& colour);
  QColor plainText() const;

  engine::RunResult result_;
  QString tablePath_;
  char decimalSeparator_ = '.';
  QString sentence_;
  QColor tone_;
  QString notice_;
  QTimer* noticeTimer_ = nullptr;
};

}  // namespace ui
