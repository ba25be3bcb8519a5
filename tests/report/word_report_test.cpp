// The report's algorithm, seen as the sequence of automation calls it makes.
#include "report/content/word_report.h"

#include <gtest/gtest.h>

#include <QSet>

#include "engine/document/text_markup.h"
#include "report/automation/automation_error.h"

namespace report {
namespace {

// Every automation object at once, journaling each call. A call named in `failing` fails: it
// throws if its failure ends a report, else it returns false.
class FakeWord : public WordApplication,
                 public WordDocuments,
                 public WordDocument,
                 public WordTables,
                 public WordTable,
                 public WordCell,
                 public WordSelection,
                 public WordFont,
                 public WordRange,
                 public ReportSource,
                 public std::enable_shared_from_this<FakeWord> {
 public:
  FakeWord(std::vector<QStringList> rows, QStringList log)
      : rows_(std::move(rows)), log_(std::move(log)) {}

  QStringList calls;
  QSet<QString> failing;

  void Connect() override { must("Connect"); }
  std::shared_ptr<WordDocuments> Documents() override { return must("Application.Documents"); }
  std::shared_ptr<WordDocument> Add() override { return must("Documents.Add"); }
  std::shared_ptr<WordSelection> Selection() override { return must("Application.Selection"); }
  std::shared_ptr<WordDocument> ActiveDocument() override {
    return must("Application.ActiveDocument");
  }
  std::shared_ptr<WordTables> Tables() override { return must("Document.Tables"); }
  std::shared_ptr<WordTable> Add(const WordRange&, int32_t rows, int32_t columns) override {
    return must("Tables.Add", QStringLiteral("(%1,%2)").arg(rows).arg(columns));
  }
  std::shared_ptr<WordTable> Item(int32_t index) override {
    return must("Tables.Item", QStringLiteral("(%1)").arg(index));
  }
  std::shared_ptr<WordCell> Cell(int32_t row, int32_t column) override {
    return must("Table.Cell", QStringLiteral("(%1,%2)").arg(row).arg(column));
  }
  std::shared_ptr<WordRange> Range() override { return must("Selection.Range"); }
  std::shared_ptr<WordFont> Font() override { return must("Selection.Font"); }
  bool SetBold(bool on) override { return call("Font.Bold", on ? "(true)" : "(false)"); }
  bool SetItalic(bool on) override { return call("Font.Italic", on ? "(true)" : "(false)"); }
  bool SetSubscript(bool on) override { return call("Font.Subscript", on ? "(true)" : "(false)"); }
  bool SetSuperscript(bool on) override {
    return call("Font.Superscript", on ? "(true)" : "(false)");
  }
  int32_t MoveDown(int32_t unit, int32_t count) override {
    must("Selection.MoveDown", QStringLiteral("(%1,%2)").arg(unit).arg(count));
    return count;
  }
  bool Select() override { return call("Cell.Select"); }
  bool Paste() override { return call("Selection.Paste"); }
  bool TypeParagraph() override { return call("Selection.TypeParagraph"); }
  bool TypeText(const QString& text) override {
    return call("Selection.TypeText", "(" + text + ")");
  }
  bool SetVisible(bool visible) override {
    return call("Application.Visible", visible ? "(true)" : "(false)");
  }
  void Release() override { call("Release"); }

  int32_t gridRowCount() const override { return static_cast<int32_t>(rows_.size()); }
  int32_t gridColumnCount() const override { return static_cast<int32_t>(rows_[0].size()); }
  QString gridCell(int32_t column, int32_t row) const override { return rows_[row][column]; }
  int32_t logLineCount() const override { return static_cast<int32_t>(log_.size()); }
  QString logLine(int32_t index) const override { return log_[index]; }
  void copyChartToClipboard() override { calls << "copyChart"; }
  const engine::TextDocument* solution() const override {
    return solution_.blocks.empty() ? nullptr : &solution_;
  }
  void setSolution(engine::TextDocument solution) { solution_ = std::move(solution); }

 private:
  bool call(const QString& name, const QString& arguments = QString()) {
    calls << name + arguments;
    return !failing.contains(name);
  }
  std::shared_ptr<FakeWord> must(const QString& name, const QString& arguments = QString()) {
    if (!call(name, arguments)) throw AutomationError(name, QStringLiteral("сбой"));
    return shared_from_this();
  }

  std::vector<QStringList> rows_;
  QStringList log_;
  engine::TextDocument solution_;
};

const QStringList kOpening = {"Connect",
                              "Application.Documents",
                              "Documents.Add",
                              "Application.Selection",
                              "Application.ActiveDocument",
                              "Document.Tables",
                              "copyChart",
                              "Selection.Paste",
                              "Selection.TypeParagraph",
                              "Selection.TypeParagraph",
                              "Selection.TypeParagraph",
                              "Selection.Range"};

QStringList selectAndType(int row, int column, const QString& text) {
  return {"Tables.Item(1)", QStringLiteral("Table.Cell(%1,%2)").arg(row).arg(column), "Cell.Select",
          "Selection.TypeText(" + text + ")"};
}

TEST(WordReport, FillsTheTableRowByRowAndTypesTheLogBelowIt) {
  struct Case {
    const char* name;
    std::vector<QStringList> rows;
    QStringList log;
    QStringList table;  // the calls from Tables.Add to the last cell
  };
  const Case cases[] = {
      {"two by two, an empty cell, two log lines",
       {{"1", "2"}, {"", "x̄"}},
       {"первая", "вторая"},
       QStringList("Tables.Add(2,2)") + selectAndType(1, 1, "1") + selectAndType(1, 2, "2") +
           selectAndType(2, 1, "") + selectAndType(2, 2, "x̄")},
      {"no log lines", {{"a"}}, {}, QStringList("Tables.Add(1,1)") + selectAndType(1, 1, "a")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto word = std::make_shared<FakeWord>(c.rows, c.log);
    buildWordReport(*word, *word);

    QStringList expected = kOpening + c.table;
    expected << "Application.Visible(true)"
             << "Selection.MoveDown(5,2)"
             << "Selection.TypeParagraph";
    for (const QString& line : c.log)
      expected << "Selection.TypeText(" + line + ")"
               << "Selection.TypeParagraph";
    expected << "Release"
             << "Release";
    EXPECT_EQ(word->calls, expected);
  }
}

// A failing call that ends the report stops it there and names itself; before the table is
// filled, the application stays hidden. Other failures are passed over.
TEST(WordReport, FailuresEndTheReportOnlyWhereTheyMust) {
  const QStringList ending = {"Connect",
                              "Application.Documents",
                              "Documents.Add",
                              "Application.Selection",
                              "Application.ActiveDocument",
                              "Document.Tables",
                              "Selection.Range",
                              "Tables.Add",
                              "Tables.Item",
                              "Table.Cell",
                              "Selection.MoveDown"};
  const QStringList passed = {"Selection.Paste", "Selection.TypeParagraph", "Selection.TypeText",
                              "Cell.Select", "Application.Visible"};
  for (const QString& failing : ending + passed) {
    SCOPED_TRACE(failing.toStdString());
    auto word = std::make_shared<FakeWord>(std::vector<QStringList>{{"1", "2"}, {"3", "4"}},
                                           QStringList{"строка"});
    word->failing.insert(failing);
    if (passed.contains(failing)) {
      EXPECT_NO_THROW(buildWordReport(*word, *word));
      EXPECT_EQ(word->calls.size(), kOpening.size() + 1 + 4 * 4 + 3 + 2 + 2);
      continue;
    }
    try {
      buildWordReport(*word, *word);
      ADD_FAILURE() << "no error raised";
    } catch (const AutomationError& error) {
      EXPECT_EQ(error.operation(), failing);
      EXPECT_TRUE(error.message().contains(failing));
    }
    EXPECT_TRUE(word->calls.last().startsWith(failing));
    EXPECT_EQ(word->calls.contains("Application.Visible(true)"), failing == "Selection.MoveDown");
  }
}

TEST(WordReport, TypesTheSolutionAfterTheLogWithItsOwnScripts) {
  engine::TextDocument solution;
  engine::TextParagraph heading;
  heading.role = engine::TextParagraph::Role::Heading;
  engine::ParagraphWriter(heading).math("Ход");
  solution.blocks.emplace_back(heading);
  engine::TextParagraph formula;
  engine::ParagraphWriter(formula).math("n_i s^2 = ").text("4");
  solution.blocks.emplace_back(formula);
  engine::TextTable table;
  table.rows.resize(2);
  engine::ParagraphWriter(table.rows[0].emplace_back()).text("A");
  engine::ParagraphWriter(table.rows[1].emplace_back()).math("x_1");
  solution.blocks.emplace_back(table);

  auto word = std::make_shared<FakeWord>(std::vector<QStringList>{{"1"}}, QStringList{"лог"});
  word->setSolution(solution);
  buildWordReport(*word, *word);
  // The solution follows the log's last paragraph; the font changes only where the runs do,
  // the table is the document's second, and the font ends plain.
  const QStringList expected = {"Selection.TypeText(лог)",
                                "Selection.TypeParagraph",
                                "Selection.Font",
                                "Selection.TypeParagraph",
                                "Font.Bold(true)",
                                "Selection.TypeText(Ход)",
                                "Selection.TypeParagraph",
                                "Font.Bold(false)",
                                "Font.Italic(true)",
                                "Selection.TypeText(n)",
                                "Font.Subscript(true)",
                                "Selection.TypeText(i)",
                                "Font.Italic(false)",
                                "Font.Subscript(false)",
                                "Selection.TypeText( )",
                                "Font.Italic(true)",
                                "Selection.TypeText(s)",
                                "Font.Italic(false)",
                                "Font.Superscript(true)",
                                "Selection.TypeText(2)",
                                "Font.Superscript(false)",
                                "Selection.TypeText( = 4)",
                                "Selection.TypeParagraph",
                                "Selection.Range",
                                "Tables.Add(2,1)",
                                "Tables.Item(2)",
                                "Table.Cell(1,1)",
                                "Cell.Select",
                                "Selection.TypeText(A)",
                                "Tables.Item(2)",
                                "Table.Cell(2,1)",
                                "Cell.Select",
                                "Font.Italic(true)",
                                "Selection.TypeText(x)",
                                "Font.Italic(false)",
                                "Font.Subscript(true)",
                                "Selection.TypeText(1)",
                                "Selection.MoveDown(5,2)",
                                "Font.Subscript(false)",
                                "Release",
                                "Release"};
  const qsizetype log = word->calls.indexOf("Selection.TypeText(лог)");
  ASSERT_GE(log, 0);
  EXPECT_EQ(word->calls.mid(log), expected) << word->calls.mid(log).join(" | ").toStdString();
}

}  // namespace
}  // namespace report
