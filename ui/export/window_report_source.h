// What the Word report reads from the main window: its grid, its log and its chart.
#pragma once

#include <QImage>

#include "report/content/report_source.h"

namespace ui {

class TMainForm;

class WindowReportSource : public report::ReportSource {
 public:
  // With `privateClipboard`, the chart's picture goes there instead of the system clipboard.
  explicit WindowReportSource(TMainForm& form, QImage* privateClipboard = nullptr)
      : form_(form), privateClipboard_(privateClipboard) {}

  int32_t gridRowCount() const override;
  int32_t gridColumnCount() const override;
  QString gridCell(int32_t column, int32_t row) const override;
  int32_t logLineCount() const override;
  QString logLine(int32_t index) const override;
  void copyChartToClipboard() override;
  const engine::TextDocument* solution() const override;

 private:
  TMainForm& form_;
  QImage* privateClipboard_;
};

}  // namespace ui
