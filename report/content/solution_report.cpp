// The worked solution typed into the report through the automation layer, scripts and all.
#include "report/content/solution_report.h"

#include <QString>

#include "report/model/document_model.h"

namespace report {

namespace {

// Selection.Font, told only what changes from one run to the next.
class FontChanges {
 public:
  explicit FontChanges(WordSelection& selection) : font_(selection.Font()) {}

  void apply(const RunFormat& wanted) {
    if (wanted.bold != current_.bold) font_->SetBold(wanted.bold);
    if (wanted.italic != current_.italic) font_->SetItalic(wanted.italic);
    if (wanted.script != current_.script) {
      if (wanted.script == VerticalAlign::Subscript) {
        font_->SetSubscript(true);
      } else if (wanted.script == VerticalAlign::Superscript) {
        font_->SetSuperscript(true);
      } else if (current_.script == VerticalAlign::Subscript) {
        font_->SetSubscript(false);
      } else {
        font_->SetSuperscript(false);
      }
    }
    current_ = wanted;
  }

 private:
  std::shared_ptr<WordFont> font_;
  RunFormat current_;
};

RunFormat runFormat(const engine::TextRun& run, bool heading) {
  RunFormat format;
  format.bold = heading;
  format.italic = run.italic;
  format.script = run.script == engine::Script::Subscript     ? VerticalAlign::Subscript
                  : run.script == engine::Script::Superscript ? VerticalAlign::Superscript
                                                              : VerticalAlign::Baseline;
  return format;
}

void typeRuns(WordSelection& selection, FontChanges& font, const engine::TextParagraph& paragraph) {
  const bool heading = paragraph.role == engine::TextParagraph::Role::Heading;
  for (const engine::TextRun& run : paragraph.runs) {
    font.apply(runFormat(run, heading));
    selection.TypeText(QString::fromStdString(run.text));
  }
}

}  // namespace

void typeSolution(WordSelection& selection, WordTables& tables,
                  const engine::TextDocument& solution, int32_t tablesBefore) {
  FontChanges font(selection);
  int32_t tableIndex = tablesBefore;
  for (const engine::TextBlock& block : solution.blocks) {
    if (const auto* paragraph = std::get_if<engine::TextParagraph>(&block)) {
      if (paragraph->role == engine::TextParagraph::Role::Heading) selection.TypeParagraph();
      typeRuns(selection, font, *paragraph);
      selection.TypeParagraph();
      continue;
    }
    const engine::TextTable& table = std::get<engine::TextTable>(block);
    if (table.rows.empty() || table.rows.front().empty()) continue;
    const auto rows = static_cast<int32_t>(table.rows.size());
    const auto columns = static_cast<int32_t>(table.rows.front().size());
    tables.Add(*selection.Range(), rows, columns);
    ++tableIndex;
    for (int32_t r = 0; r < rows; ++r) {
      const auto& cells = table.rows[static_cast<size_t>(r)];
      for (int32_t c = 0; c < columns && c < static_cast<int32_t>(cells.size()); ++c) {
        tables.Item(tableIndex)->Cell(r + 1, c + 1)->Select();
        const std::vector<engine::TextParagraph>& lines = cells[static_cast<size_t>(c)].paragraphs;
        for (size_t line = 0; line < lines.size(); ++line) {
          if (line > 0) selection.TypeParagraph();
          typeRuns(selection, font, lines[line]);
        }
      }
    }
    // Out of the table's last row to the paragraph below it, as after the grid.
    selection.MoveDown(kWdLine, 2);
  }
  font.apply(RunFormat{});
}

}  // namespace report
