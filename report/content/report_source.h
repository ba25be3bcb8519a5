// What the report reads from the main window: grid, log, and the chart put on the clipboard.
#pragma once

#include <QString>
#include <cstdint>

#include "engine/document/text_document.h"

namespace report {

class ReportSource {
 public:
  virtual ~ReportSource() = default;

  virtual int32_t gridRowCount() const = 0;
  virtual int32_t gridColumnCount() const = 0;
  // column and row from 0, row 0 the header row.
  virtual QString gridCell(int32_t column, int32_t row) const = 0;

  virtual int32_t logLineCount() const = 0;
  virtual QString logLine(int32_t index) const = 0;

  // Replaces the clipboard's contents with a picture of the chart as drawn.
  virtual void copyChartToClipboard() = 0;

  // The worked solution to add after the log, or null for the report without it.
  virtual const engine::TextDocument* solution() const { return nullptr; }
};

}  // namespace report
