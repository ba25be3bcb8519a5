// The worked solution typed into the report through the automation layer, scripts and all.
#pragma once

#include <cstdint>

#include "engine/document/text_document.h"
#include "report/automation/word_automation.h"

namespace report {

// Types `solution` at the selection: an empty paragraph before each heading, headings in bold,
// italic, subscript and superscript runs through Selection.Font, and each table added at the
// selection and filled cell by cell. `tablesBefore` is how many tables the document already
// holds, so the new ones are found by their index. Ends with the font plain again.
void typeSolution(WordSelection& selection, WordTables& tables,
                  const engine::TextDocument& solution, int32_t tablesBefore);

}  // namespace report
