// The Word report, one automation call after another.
#include "report/content/word_report.h"

#include "report/content/solution_report.h"

namespace report {

void buildWordReport(WordApplication& word, ReportSource& source) {
  word.Connect();
  word.Documents()->Add();

  std::shared_ptr<WordSelection> selection = word.Selection();
  std::shared_ptr<WordTables> tables = word.ActiveDocument()->Tables();

  source.copyChartToClipboard();
  selection->Paste();
  for (int i = 0; i < 3; ++i) selection->TypeParagraph();

  // Read once: the table keeps this size even if the grid changes meanwhile.
  const int32_t numRows = source.gridRowCount();
  const int32_t numColumns = source.gridColumnCount();
  tables->Add(*selection->Range(), numRows, numColumns);

  for (int32_t r = 0; r < numRows; ++r) {
    for (int32_t c = 0; c < numColumns; ++c) {
      tables->Item(1)->Cell(r + 1, c + 1)->Select();
      selection->TypeText(source.gridCell(c, r));
    }
  }

  word.SetVisible(true);
  // Out of the table's last row to the paragraph below it.
  selection->MoveDown(kWdLine, 2);
  selection->TypeParagraph();

  const int32_t lineCount = source.logLineCount();
  for (int32_t i = 0; i < lineCount; ++i) {
    selection->TypeText(source.logLine(i));
    selection->TypeParagraph();
  }

  // Only on request: without it the report is exactly what it always was.
  if (const engine::TextDocument* solution = source.solution())
    typeSolution(*selection, *tables, *solution, 1);

  tables->Release();
  selection->Release();
}

}  // namespace report
