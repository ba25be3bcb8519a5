// What a run shows around the analysis: the window's title, the data notice, the recent files.
#pragma once

#include <QStringList>
#include <vector>

#include "engine/run_result.h"
#include "engine/sample_check.h"

namespace ui {

class TMainForm;

// The notice's sentences for a run that read the sample file: where reading
// stopped (and how many values were analysed), that values past the 200th
// were left out (and where they begin), then what else the file check found.
// Empty when the file was read whole as the program means it.
QStringList noticeFindings(const engine::RunResult& result,
                           const std::vector<engine::SampleFinding>& findings);

// After every run: the title names the file in use. After a run that read
// the file (`readFile`), the notice shows what it found or goes away, and a
// file that opened goes first in the recent files when `remember` is set.
void showRunAround(TMainForm& window, bool readFile, bool remember,
                   const engine::RunResult& result);

}  // namespace ui
