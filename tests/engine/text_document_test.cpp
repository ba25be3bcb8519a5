// The formula markup and the plain and HTML writers of a text document.
#include <gtest/gtest.h>

#include "engine/column_descriptions.h"
#include "engine/document/document_html.h"
#include "engine/document/document_plain_text.h"
#include "engine/document/text_markup.h"

namespace engine {
namespace {

// Runs as "text/style" with style i (italic), _ (subscript), ^ (superscript), or nothing.
std::vector<std::string> describe(const TextParagraph& paragraph) {
  std::vector<std::string> runs;
  for (const TextRun& run : paragraph.runs) {
    std::string style = run.italic ? "i" : "";
    if (run.script == Script::Subscript) style += "_";
    if (run.script == Script::Superscript) style += "^";
    runs.push_back(run.text + "/" + style);
  }
  return runs;
}

struct MarkupCase {
  const char* markup;
  std::vector<std::string> runs;
  const char* plain;
};

TEST(TextMarkup, ScriptsItalicLettersAndUprightWords) {
  const MarkupCase cases[] = {
      {"n_i", {"n/i", "i/i_"}, "n_i"},
      {"s^2", {"s/i", "2/^"}, "s^2"},
      {"x̄ = 5", {"x̄/i", " = 5/"}, "x̄ = 5"},
      {"x_{min}", {"x/i", "min/_"}, "x_min"},
      {"χ²_{набл}", {"χ²/", "набл/_"}, "χ²_набл"},
      {"n′_{12}", {"n/i", "′/", "12/_"}, "n′_12"},
      {"n_{i+1}", {"n/i", "i/i_", "+1/_"}, "n_(i+1)"},
      {"exp(−u_i^2/2)", {"exp(−/", "u/i", "i/i_", "2/^", "/2)/"}, "exp(−u_i^2/2)"},
      {"Что делать: h > 0", {"Что делать: /", "h/i", " > 0/"}, "Что делать: h > 0"},
      {"a_", {"a/i", "_/"}, "a_"},
      {"x_{open", {"x/i", "open/_"}, "x_open"},
  };
  for (const MarkupCase& c : cases) {
    SCOPED_TRACE(c.markup);
    TextParagraph paragraph;
    ParagraphWriter(paragraph).math(c.markup);
    EXPECT_EQ(describe(paragraph), c.runs);
    EXPECT_EQ(plainText(paragraph), c.plain);
  }
}

TEST(TextMarkup, PlainTextIsTakenAsItStands) {
  TextParagraph paragraph;
  ParagraphWriter(paragraph).math("h = ").text("1E-05_x^2").math(" (file ").text("a_b$").math(")");
  EXPECT_EQ(plainText(paragraph), "h = 1E-05_x^2 (file a_b$)");
  EXPECT_EQ(describe(paragraph).size(), 2u);  // h, then one upright run
}

TEST(DocumentHtml, EscapesTextAndMarksScripts) {
  TextDocument document;
  TextParagraph heading;
  heading.role = TextParagraph::Role::Heading;
  ParagraphWriter(heading).text("A & <B>");
  document.blocks.emplace_back(heading);
  TextParagraph formula;
  ParagraphWriter(formula).math("n_i < s^2");
  document.blocks.emplace_back(formula);
  TextTable table;
  table.rows.resize(2);
  ParagraphWriter(table.rows[0].emplace_back()).text("\"x\"");
  ParagraphWriter(table.rows[1].emplace_back()).math("x_1");
  document.blocks.emplace_back(table);
  EXPECT_EQ(htmlDocument(document),
            "<h3>A &amp; &lt;B&gt;</h3>\n"
            "<p><i>n</i><sub><i>i</i></sub> &lt; <i>s</i><sup>2</sup></p>\n"
            "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n"
            "<tr><th>&quot;x&quot;</th></tr>\n"
            "<tr><td><i>x</i><sub>1</sub></td></tr>\n"
            "</table>\n");
}

TEST(DocumentPlainText, TablesAlignByCharactersNotBytes) {
  TextDocument document;
  TextTable table;
  table.rows.resize(2);
  for (const char* cell : {"x̄", "n_i", "Ω"})
    ParagraphWriter(table.rows[0].emplace_back()).math(cell);
  for (const char* cell : {"1234", "5", ""})
    ParagraphWriter(table.rows[1].emplace_back()).text(cell);
  document.blocks.emplace_back(table);
  TextParagraph heading;
  heading.role = TextParagraph::Role::Heading;
  ParagraphWriter(heading).text("Итог");
  document.blocks.emplace_back(heading);
  EXPECT_EQ(plainDocument(document), "x̄     n_i  Ω\n1234  5\n\nИтог\n");
  EXPECT_EQ(plainParagraphs(document),
            (std::vector<std::string>{"x̄\tn_i\tΩ", "1234\t5\t", "Итог"}));
}

TEST(ColumnDescriptions, TooltipNamesTheColumnItsFormulaAndTheSummary) {
  EXPECT_EQ(plainText(columnTooltip(9)),
            "Столбец 10: теоретическая частота, n′_i = n·h·φ(u_i) / s");
  EXPECT_EQ(plainText(columnTooltip(3)),
            "Столбец 4: произведение частоты и середины, n_i·x_i. В строке итогов — среднее "
            "x̄ = Σn_i x_i / n");
  EXPECT_TRUE(columnTooltip(11).runs.empty());
  EXPECT_TRUE(columnTooltip(-1).runs.empty());
}

}  // namespace
}  // namespace engine
