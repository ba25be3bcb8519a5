// How the written .docx is laid out: the page, the type and language defaults, and tables that
// fit their contents as the window measures text.
#include <gtest/gtest.h>

#include "engine/document/text_width.h"
#include "report/docx/docx_writer.h"
#include "report/model/table_layout.h"
#include "tests/report/docx_xml.h"
#include "tests/report/report_test_support.h"

namespace report::test {
namespace {

TEST(DocxWriter, NewDocumentsGetThePageTypeAndLanguageDefaults) {
  auto parts = writtenParts(richDocument());
  const auto styles = elements(parts["word/styles.xml"]);
  // Normal: Arial 10 pt, Russian, no space after a paragraph; both in the defaults and the style.
  for (const QString& holder : {QString("w:rPrDefault"), QString("w:style")}) {
    SCOPED_TRACE(holder.toStdString());
    const Element* rPr = find(styles, "w:rPr", holder == "w:style" ? holder : QString());
    ASSERT_NE(rPr, nullptr);
  }
  int fonts = 0;
  for (const Element& e : styles) {
    if (e.name == "w:rFonts") {
      ++fonts;
      EXPECT_EQ(attribute(&e, "w:ascii"), "Arial");
      EXPECT_EQ(attribute(&e, "w:hAnsi"), "Arial");
    }
    if (e.name == "w:sz") {
      EXPECT_EQ(attribute(&e, "w:val"), "20");
    }
    if (e.name == "w:lang") {
      EXPECT_EQ(attribute(&e, "w:val"), "ru-RU");
    }
    if (e.name == "w:spacing") {
      EXPECT_EQ(attribute(&e, "w:after"), "0");
    }
  }
  EXPECT_EQ(fonts, 2);  // docDefaults and Normal
  EXPECT_EQ(attribute(find(styles, "w:left", "w:tblCellMar"), "w:w"), "57");

  const auto settings = elements(parts["word/settings.xml"]);
  EXPECT_EQ(attribute(find(settings, "w:themeFontLang"), "w:val"), "ru-RU");

  // A4 portrait, 2 cm (1134 twips) on every side.
  const auto document = elements(parts["word/document.xml"]);
  const Element* size = find(document, "w:pgSz", "w:sectPr");
  EXPECT_EQ(attribute(size, "w:w"), "11906");
  EXPECT_EQ(attribute(size, "w:h"), "16838");
  EXPECT_FALSE(size->attributes.hasAttribute(kW, "orient"));
  const Element* margins = find(document, "w:pgMar", "w:sectPr");
  for (const char* side : {"w:top", "w:right", "w:bottom", "w:left"})
    EXPECT_EQ(attribute(margins, side), "1134") << side;
}

TEST(DocxWriter, TablesFitTheirContentsRepeatTheHeaderAndNeverSplitARow) {
  DocumentModel document;
  document.addTable(document.insertionPoint(), 3, 11);
  const QString widest[] = {"20",          "-1.235E05", "200",       "-3.704E06",
                            "-0.00001587", "9.313E-10", "1.863E-08", "0.00003052",
                            "0.04583",     "20.75",     "19.28"};
  for (int32_t c = 0; c < 11; ++c) {
    document.selectCell(0, 0, c);
    document.typeText(QString::number(c + 1));
    document.selectCell(0, 2, c);
    document.typeText(widest[c]);
  }
  const auto all = elements(writtenParts(document)["word/document.xml"]);
  int32_t sum = 0;
  int column = 0;
  for (const Element& e : all) {
    if (e.name != "w:gridCol") continue;
    const int32_t width = e.attributes.value(kW, "w").toInt();
    // The widest text of the column, its two cell margins, and nothing is cut.
    EXPECT_GE(width, textWidthTwips(widest[column], engine::kNormalFontHalfPoints) +
                         2 * engine::kCellMarginTwips)
        << column;
    sum += width;
    ++column;
  }
  EXPECT_EQ(column, 11);
  EXPECT_LE(sum, engine::kTextWidthTwips);
  EXPECT_EQ(attribute(find(all, "w:tblW"), "w:w"), QString::number(sum));
  EXPECT_EQ(attribute(find(all, "w:tblLayout"), "w:type"), "autofit");

  QList<QStringList> rowProperties;
  for (const Element& e : all)
    if (e.name == "w:trPr") rowProperties << e.children;
  ASSERT_EQ(rowProperties.size(), 3);
  EXPECT_EQ(rowProperties[0], QStringList({"w:cantSplit", "w:tblHeader"}));
  EXPECT_EQ(rowProperties[1], QStringList({"w:cantSplit"}));
  EXPECT_EQ(rowProperties[2], QStringList({"w:cantSplit"}));
}

TEST(TableLayout, MeasuresTextAndShrinksOnlyWhatDoesNotFit) {
  struct Case {
    QString text;
    int32_t twips;  // at 10 pt: an em is 200 twips
  };
  const Case cases[] = {{"", 0},
                        {"0", 112},          // 556/1000 em, rounded up
                        {"1.001E04", 857},   // 6 digits, a point and an E
                        {"-1.235E05", 923},  // and a minus
                        {"Щ", 150}};         // outside ASCII: a wide letter
  for (const Case& c : cases)
    EXPECT_EQ(textWidthTwips(c.text, engine::kNormalFontHalfPoints), c.twips)
        << c.text.toStdString();

  Table table;
  table.rows.assign(1, std::vector<TableCell>(2));
  table.cell(0, 0).paragraphs[0].runs.push_back(report::Run{std::string(400, '8')});
  table.cell(0, 1).paragraphs[0].runs.push_back(report::Run{"8"});
  const std::vector<int32_t> wide = autofitColumnWidths(table, 1000000);
  EXPECT_GT(wide[0], 400 * 111);
  const std::vector<int32_t> fitted = autofitColumnWidths(table, engine::kTextWidthTwips);
  EXPECT_LE(fitted[0] + fitted[1], engine::kTextWidthTwips);
  EXPECT_GT(fitted[0], fitted[1]);
}

TEST(TableLayout, MeasuresUtf8AsTheWindowsTextsMeasure) {
  // The browser page measures the UTF-8 it holds; every character counts once, as in UTF-16.
  for (const char* text : {"", "500.4", "Щ", "\xF0\x9F\x98\x80", "a\tb", "1,5 < m"})
    EXPECT_EQ(engine::lineWidthTwips(text, engine::kNormalFontHalfPoints),
              textWidthTwips(QString::fromUtf8(text), engine::kNormalFontHalfPoints))
        << text;
  // A broken sequence is one wide letter, as the U+FFFD it shows as.
  EXPECT_EQ(engine::lineWidthTwips("\xFF", engine::kNormalFontHalfPoints),
            engine::lineWidthTwips("\xEF\xBF\xBD", engine::kNormalFontHalfPoints));
  EXPECT_EQ(engine::fitColumnWidths({0, 100}, 100000), (std::vector<int32_t>{144, 244}));
}

// A formula is typed run by run; its runs stand side by side on one line.
TEST(TableLayout, RunsOfOneLineAddUpAndABreakStartsANewLine) {
  Table table;
  table.rows.assign(1, std::vector<TableCell>(2));
  for (const char* text : {"8888", "8888", "8888"})
    table.cell(0, 0).paragraphs[0].runs.push_back(report::Run{text, /*italic=*/true});
  table.cell(0, 1).paragraphs[0].runs.push_back(report::Run{"8888\n8888"});
  table.cell(0, 1).paragraphs[0].runs.push_back(report::Run{"8888"});
  const std::vector<int32_t> widths = autofitColumnWidths(table, 1000000);
  const int32_t padding = 2 * engine::kCellMarginTwips + 30;
  EXPECT_EQ(widths[0] - padding, textWidthTwips(QStringLiteral("888888888888"), 20));
  EXPECT_EQ(widths[1] - padding, textWidthTwips(QStringLiteral("88888888"), 20));
}

}  // namespace
}  // namespace report::test
