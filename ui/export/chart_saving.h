// Файл → Экспорт графика…: the chart written where the user chooses, as PNG, SVG or PDF.
#pragma once

#include <QString>

namespace ui {

class TMainForm;

// Writes the chart to `path` in the format its suffix names (PNG for any other name); never over
// the sample or the table. Says in the window that it was saved, or in a message box why not.
// True when it was written.
bool exportChartTo(TMainForm& window, const QString& path);

// The command: the save dialog, then exportChartTo.
void exportChartCommand(TMainForm& window);

}  // namespace ui
