// The in-process backend: what a report leaves in the document, and the calls it refuses.
#include <gtest/gtest.h>

#include <functional>

#include "report/automation/automation_error.h"
#include "report/automation/document_application.h"
#include "report/content/word_report.h"
#include "tests/report/report_test_support.h"

namespace report {
namespace {

// Keeps a copy of every document the application delivers.
struct Delivered {
  std::vector<DocumentModel> documents;
  DocumentDelivery deliver() {
    return [this](const DocumentModel& document) { documents.push_back(document); };
  }
};

QString paragraphText(const Block& block) {
  const auto* paragraph = std::get_if<Paragraph>(&block);
  return paragraph ? QString::fromStdString(engine::paragraphText(*paragraph))
                   : QStringLiteral("<not a paragraph>");
}

bool isEmptyParagraph(const Block& block) {
  const auto* paragraph = std::get_if<Paragraph>(&block);
  return paragraph != nullptr && paragraph->isEmpty();
}

QString cellText(const Table& table, int row, int column) {
  QStringList paragraphs;
  for (const Paragraph& p : table.cell(row, column).paragraphs)
    paragraphs << QString::fromStdString(engine::paragraphText(p));
  return paragraphs.join('\n');
}

TEST(DocumentBackend, ReportLaysOutPictureTableAndLogAsTheWordProcessorWould) {
  struct Case {
    const char* name;
    int rows;
    int logLines;
  };
  const Case cases[] = {
      {"grid before any analysis", 4, 1}, {"no log lines", 3, 0}, {"twenty intervals", 22, 12}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ReportTexts texts = test::sampleTexts(c.rows, c.logLines);
    if (c.rows == 4) texts.gridRows.assign(4, QStringList());  // 4 rows of empty cells
    QImage clipboard;
    TextReportSource source(texts, test::chartPicture(), &clipboard);
    Delivered delivered;
    DocumentApplication word(delivered.deliver(), [&clipboard] { return clipboard; });
    buildWordReport(word, source);

    ASSERT_EQ(delivered.documents.size(), 1u);
    const std::vector<Block>& blocks = delivered.documents[0].blocks();
    // picture, two empty paragraphs, table, the paragraph below it, log lines, last paragraph.
    ASSERT_EQ(blocks.size(), static_cast<size_t>(4 + 1 + c.logLines + 1));

    const auto& pictureParagraph = std::get<Paragraph>(blocks[0]);
    ASSERT_EQ(pictureParagraph.runs.size(), 1u);
    const int32_t picture = pictureParagraph.runs[0].picture;
    ASSERT_EQ(picture, 0);
    EXPECT_EQ(delivered.documents[0].pictures()[0].width, 785);
    EXPECT_EQ(delivered.documents[0].pictures()[0].height, 265);
    EXPECT_TRUE(isEmptyParagraph(blocks[1]));
    EXPECT_TRUE(isEmptyParagraph(blocks[2]));

    const Table* table = std::get_if<Table>(&blocks[3]);
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(table->rowCount(), c.rows);
    ASSERT_EQ(table->columnCount(), 11);
    for (int r = 0; r < c.rows; ++r)
      for (int col = 0; col < 11; ++col)
        EXPECT_EQ(cellText(*table, r, col), source.gridCell(col, r)) << r << "," << col;

    EXPECT_TRUE(isEmptyParagraph(blocks[4]));
    for (int i = 0; i < c.logLines; ++i) EXPECT_EQ(paragraphText(blocks[5 + i]), texts.logLines[i]);
    EXPECT_TRUE(isEmptyParagraph(blocks.back()));
  }
}

TEST(DocumentBackend, PresentsEachReportOnceWhenItIsComplete) {
  ReportTexts texts = test::sampleTexts(3, 2);
  QImage clipboard;
  TextReportSource source(texts, test::chartPicture(), &clipboard);
  Delivered delivered;
  DocumentApplication word(delivered.deliver(), [&clipboard] { return clipboard; });

  buildWordReport(word, source);
  texts.logLines << "после первого отчёта";
  buildWordReport(word, source);

  ASSERT_EQ(delivered.documents.size(), 2u);
  ASSERT_EQ(word.documents().size(), 2u);
  EXPECT_EQ(paragraphText(delivered.documents[0].blocks()[6]), texts.logLines[1]);
  EXPECT_EQ(delivered.documents[0].blocks().size(), 8u);
  EXPECT_EQ(delivered.documents[1].blocks().size(), 9u);
}

TEST(DocumentBackend, NothingIsPresentedWhileHiddenOrHeld) {
  Delivered delivered;
  DocumentApplication word(delivered.deliver(), [] { return QImage(); });
  word.Connect();
  word.Documents()->Add();
  auto selection = word.Selection();
  EXPECT_FALSE(selection->Paste());  // empty clipboard
  selection->TypeText("текст");
  selection->Release();
  EXPECT_TRUE(delivered.documents.empty());  // hidden

  auto tables = word.ActiveDocument()->Tables();
  word.SetVisible(true);
  EXPECT_TRUE(delivered.documents.empty());  // held
  tables->Release();
  ASSERT_EQ(delivered.documents.size(), 1u);
  EXPECT_EQ(paragraphText(delivered.documents[0].blocks()[0]), "текст");
}

TEST(DocumentModel, MoveDownGoesThroughTableRowsAndStopsAtTheEnd) {
  DocumentModel document;
  document.typeText("над таблицей");
  ASSERT_TRUE(document.addTable(document.insertionPoint(), 3, 2).isEmpty());
  // "над таблицей", table, empty paragraph.
  ASSERT_EQ(document.blocks().size(), 3u);

  ASSERT_TRUE(document.selectCell(0, 0, 1));
  EXPECT_EQ(document.moveDown(1), 1);
  EXPECT_EQ(document.insertionPoint().row, 1);
  EXPECT_EQ(document.insertionPoint().column, 1);
  EXPECT_EQ(document.moveDown(5), 2);  // last row, then the paragraph below; no further
  EXPECT_FALSE(document.insertionPoint().inTable());
  EXPECT_EQ(document.insertionPoint().block, 2);

  document.typeText("под таблицей");
  EXPECT_EQ(paragraphText(document.blocks()[2]), "под таблицей");
}

// Calls that end a report raise an error naming themselves.
TEST(DocumentBackend, RefusedCallsNameTheOperation) {
  using Call = std::function<void(DocumentApplication&, WordTables&, WordSelection&)>;
  struct Case {
    const char* operation;
    Call call;
  };
  const Case cases[] = {
      {"Tables.Add", [](auto&, auto& t, auto& s) { t.Add(*s.Range(), 0, 11); }},
      {"Tables.Add", [](auto&, auto& t, auto& s) { t.Add(*s.Range(), 4, kMaxTableColumns + 1); }},
      {"Tables.Add",
       [](auto&, auto& t, auto& s) {  // the selection stands in the first table
         t.Add(*s.Range(), 2, 2);
         t.Add(*s.Range(), 1, 1);
       }},
      {"Tables.Item", [](auto&, auto& t, auto&) { t.Item(1); }},
      {"Table.Cell", [](auto&, auto& t, auto& s) { t.Add(*s.Range(), 2, 2)->Cell(0, 1); }},
      {"Table.Cell", [](auto&, auto& t, auto& s) { t.Add(*s.Range(), 2, 2)->Cell(2, 3); }},
      {"Selection.MoveDown", [](auto&, auto&, auto& s) { s.MoveDown(kWdLine - 1, 1); }},
      {"Application.ActiveDocument",
       [](auto&, auto&, auto&) {
         DocumentApplication fresh([](const DocumentModel&) {}, [] { return QImage(); });
         fresh.Connect();
         fresh.ActiveDocument();
       }},
      {"Application.Documents",
       [](auto&, auto&, auto&) {
         DocumentApplication fresh([](const DocumentModel&) {}, [] { return QImage(); });
         fresh.Documents();
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.operation);
    DocumentApplication word([](const DocumentModel&) {}, [] { return QImage(); });
    word.Connect();
    word.Documents()->Add();
    auto tables = word.ActiveDocument()->Tables();
    auto selection = word.Selection();
    try {
      c.call(word, *tables, *selection);
      ADD_FAILURE() << "no error raised";
    } catch (const AutomationError& error) {
      EXPECT_EQ(error.operation(), QString::fromUtf8(c.operation));
      EXPECT_FALSE(error.result().isEmpty());
    }
  }
}

}  // namespace
}  // namespace report
