// The report's algorithm, seen as the sequence of automation calls it makes.
#include "report/word_report.h"

#include <gtest/gtest.h>

#include <QSet>

#include "report/automation_error.h"

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

}  // namespace
}  // namespace report
