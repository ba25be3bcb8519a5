// The line under the chart that keeps the run's verdict in view.
#pragma once

#include <QLabel>
#include <QString>

#include "engine/run_result.h"

namespace ui {

// One line of text in the colour of the outcome, with a mark and words that tell accepted from
// rejected without it. Too long a sentence is shortened to fit (a table's path in its middle);
// the tooltip always holds the whole of it.
class ResultLine : public QLabel {
  Q_OBJECT

 public:
  explicit ResultLine(QWidget* parent);

  // `tablePath` is where the critical-point table was looked for, named when it had no point.
  void showResult(const engine::RunResult& result, const QString& tablePath, char decimalSeparator);
  // The whole sentence, however much of it fits.
  const QString& sentence() const { return sentence_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void fitText();

  engine::RunResult result_;
  QString tablePath_;
  char decimalSeparator_ = '.';
  QString sentence_;
};

}  // namespace ui
