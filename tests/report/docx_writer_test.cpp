// The .docx writer: the package and XML details that word processors insist on.
#include "report/docx/docx_writer.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>

#include "engine/document/text_width.h"
#include "report/model/table_layout.h"
#include "tests/report/report_test_support.h"

namespace report {
namespace {

const QString kW = "http://schemas.openxmlformats.org/wordprocessingml/2006/main";

Picture pngPicture(int width, int height) {
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  test::chartPicture(width, height).save(&buffer, "PNG");
  Picture picture;
  picture.png = png.toStdString();
  picture.width = width;
  picture.height = height;
  return picture;
}

// Two pictures (one inside a cell), a table of 11 columns, texts with blanks at their ends.
DocumentModel richDocument() {
  DocumentModel document;
  document.insertPicture(pngPicture(785, 265));
  document.typeParagraph();
  document.typeText(" ведущий пробел");
  document.typeParagraph();
  document.addTable(document.insertionPoint(), 2, 11);
  document.typeText("конечный пробел ");
  document.selectCell(0, 1, 10);
  document.insertPicture(pngPicture(40, 20));
  document.moveDown(1);
  document.typeText("без пробелов");
  return document;
}

struct Element {
  QString name;    // qualified name as written
  QString parent;  // qualified name of its parent
  int depth = 0;
  QXmlStreamAttributes attributes;
  QString text;  // character data directly inside
  QStringList children;
};

// Every element of an XML part, in document order; fails the test if it is not well-formed.
std::vector<Element> elements(const QByteArray& xml) {
  std::vector<Element> result;
  std::vector<size_t> open;
  QXmlStreamReader reader(xml);
  while (!reader.atEnd()) {
    reader.readNext();
    if (reader.isStartElement()) {
      Element element;
      element.name = reader.qualifiedName().toString();
      element.depth = static_cast<int>(open.size());
      if (!open.empty()) {
        element.parent = result[open.back()].name;
        result[open.back()].children << element.name;
      }
      element.attributes = reader.attributes();
      result.push_back(element);
      open.push_back(result.size() - 1);
    } else if (reader.isEndElement()) {
      open.pop_back();
    } else if (reader.isCharacters() && !open.empty()) {
      result[open.back()].text += reader.text();
    }
  }
  EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
  return result;
}

std::map<QString, QByteArray> writtenParts(const DocumentModel& document) {
  return test::unzip(docxBytes(document.document(), document.properties()));
}

TEST(DocxWriter, PartsAreTypedAndPicturesResolvable) {
  auto parts = writtenParts(richDocument());
  ASSERT_TRUE(parts.count("word/document.xml"));
  QSet<QString> docPrIds;
  QStringList embeds;
  for (const Element& e : elements(parts["word/document.xml"])) {
    if (e.name == "wp:docPr") {
      const QString id = e.attributes.value("id").toString();
      EXPECT_FALSE(docPrIds.contains(id)) << id.toStdString();
      docPrIds.insert(id);
    }
    if (e.name == "a:blip") embeds << e.attributes.value(QStringLiteral("r:embed")).toString();
  }
  EXPECT_EQ(docPrIds.size(), 2);
  ASSERT_EQ(embeds.size(), 2);

  std::map<QString, QString> targets;
  for (const Element& e : elements(parts["word/_rels/document.xml.rels"])) {
    if (e.name != "Relationship") continue;
    const QString id = e.attributes.value("Id").toString();
    EXPECT_TRUE(QRegularExpression("^rId[0-9]+$").match(id).hasMatch()) << id.toStdString();
    EXPECT_FALSE(targets.count(id)) << "duplicate " << id.toStdString();
    targets[id] = e.attributes.value("Target").toString();
  }
  for (const QString& embed : embeds) {
    ASSERT_TRUE(targets.count(embed)) << embed.toStdString();
    EXPECT_TRUE(parts.count("word/" + targets[embed])) << targets[embed].toStdString();
  }

  QSet<QString> typed;  // "/part" overrides and ".extension" defaults
  for (const Element& e : elements(parts["[Content_Types].xml"])) {
    if (e.name == "Default") typed << "." + e.attributes.value("Extension").toString();
    if (e.name == "Override") typed << e.attributes.value("PartName").toString();
  }
  EXPECT_TRUE(typed.contains("/word/document.xml"));
  for (const auto& [name, data] : parts) {
    if (name == "[Content_Types].xml") continue;
    EXPECT_TRUE(typed.contains('/' + name) || typed.contains("." + name.section('.', -1)))
        << name.toStdString();
  }
}

TEST(DocxWriter, TablesFollowTheSchema) {
  auto parts = writtenParts(richDocument());
  const std::vector<Element> all = elements(parts["word/document.xml"]);
  // The order w:tblPr's children must keep; a reader may drop what comes out of order.
  const QStringList tblPrOrder = {"w:tblStyle",
                                  "w:tblpPr",
                                  "w:tblOverlap",
                                  "w:bidiVisual",
                                  "w:tblStyleRowBandSize",
                                  "w:tblStyleColBandSize",
                                  "w:tblW",
                                  "w:jc",
                                  "w:tblCellSpacing",
                                  "w:tblInd",
                                  "w:tblBorders",
                                  "w:shd",
                                  "w:tblLayout",
                                  "w:tblCellMar",
                                  "w:tblLook"};
  int tables = 0;
  int cells = 0;
  for (const Element& e : all) {
    if (e.name == "w:tblPr") {
      ++tables;
      ASSERT_GE(e.children.size(), 2);
      EXPECT_EQ(e.children.first(), "w:tblStyle");
      EXPECT_TRUE(e.children.contains("w:tblBorders"));
      int last = -1;
      for (const QString& child : e.children) {
        const int at = static_cast<int>(tblPrOrder.indexOf(child));
        EXPECT_GT(at, last) << child.toStdString();
        last = at;
      }
    }
    if (e.name == "w:tblBorders") {
      EXPECT_EQ(e.children,
                QStringList({"w:top", "w:left", "w:bottom", "w:right", "w:insideH", "w:insideV"}));
    }
    if (e.name == "w:tblGrid") {
      EXPECT_EQ(e.children, QStringList(11, "w:gridCol"));
    }
    if (e.name == "w:tc") {
      ++cells;
      ASSERT_FALSE(e.children.isEmpty());
      EXPECT_EQ(e.children.first(), "w:tcPr");
      EXPECT_EQ(e.children.last(), "w:p");
    }
    if (e.name == "w:body") {
      EXPECT_EQ(e.children.mid(e.children.size() - 2), QStringList({"w:p", "w:sectPr"}));
    }
  }
  EXPECT_EQ(tables, 1);
  EXPECT_EQ(cells, 22);
}

TEST(DocxWriter, TextWithBlanksAtItsEndsIsPreserved) {
  auto parts = writtenParts(richDocument());
  int texts = 0;
  for (const Element& e : elements(parts["word/document.xml"])) {
    if (e.name != "w:t") continue;
    ++texts;
    const bool blankAtEnd = e.text.startsWith(' ') || e.text.endsWith(' ');
    EXPECT_EQ(e.attributes.value("xml:space") == QLatin1String("preserve"), blankAtEnd)
        << e.text.toStdString();
  }
  EXPECT_EQ(texts, 3);
}

TEST(DocxWriter, ContainerHasNoZip64ExtrasOrDataDescriptors) {
  const DocumentModel rich = richDocument();
  const QByteArray archive = docxBytes(rich.document(), rich.properties());
  const std::vector<test::LocalEntry> entries = test::localEntries(archive);
  ASSERT_EQ(entries.size(), test::unzip(archive).size());
  EXPECT_EQ(entries.front().name, "[Content_Types].xml");
  for (const test::LocalEntry& entry : entries) {
    SCOPED_TRACE(entry.name.toStdString());
    EXPECT_EQ(entry.flags & 0x0008, 0) << "data descriptor";
    for (uint16_t id : entry.extraIds) EXPECT_NE(id, 0x0001) << "ZIP64 extra field";
    EXPECT_EQ(entry.method, entry.name.endsWith(".png") ? 0 : 8);
  }
}

// Texts from a file name or a long line must still give well-formed XML that keeps what it can.
TEST(DocxWriter, HostileTextsStayWellFormed) {
  struct Case {
    const char* name;
    QString typed;
    QStringList expectedTexts;  // the w:t contents, in order
    int breaks;
    int tabs;
  };
  const QString nul(QChar(0));
  const QString loneSurrogate(QChar(0xD800));
  const QString emoji = QString::fromUtf8("\xF0\x9F\x93\x88");  // outside the BMP
  const QString longLine(10000, QChar(0x0436));
  const Case cases[] = {
      {"markup characters", "a<b>&c\"d'e", {"a<b>&c\"d'e"}, 0, 0},
      {"controls dropped", "x" + nul + "\x01\x1f" + "y\x0c", {"xy"}, 0, 0},
      {"line breaks and tab", "один\r\nдва\nтри\tчетыре", {"один", "два", "три", "четыре"}, 2, 1},
      {"surrogates", "a" + loneSurrogate + "b" + emoji + QChar(0xFFFE), {"ab" + emoji}, 0, 0},
      {"ten thousand characters", longLine, {longLine}, 0, 0},
      {"only controls", "\x02\x03", {}, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    DocumentModel document;
    document.typeText(c.typed);
    const QByteArray xml = writtenParts(document)["word/document.xml"];
    ASSERT_FALSE(xml.isEmpty());
    QStringList texts;
    int breaks = 0;
    int tabs = 0;
    for (const Element& e : elements(xml)) {
      if (e.name == "w:t") texts << e.text;
      breaks += e.name == "w:br";
      tabs += e.name == "w:tab";
    }
    EXPECT_EQ(texts, c.expectedTexts);
    EXPECT_EQ(breaks, c.breaks);
    EXPECT_EQ(tabs, c.tabs);
  }
}

const Element* find(const std::vector<Element>& all, const QString& name,
                    const QString& parent = QString()) {
  for (const Element& e : all)
    if (e.name == name && (parent.isEmpty() || e.parent == parent)) return &e;
  return nullptr;
}

QString attribute(const Element* e, const char* name) {
  return e == nullptr ? QString("<missing>") : e->attributes.value(QLatin1String(name)).toString();
}

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

TEST(DocxWriter, PropertiesNameTheReportItsTimeAndTheProgram) {
  DocumentModel document;
  document.setProperties(reportProperties(QStringLiteral("data/выборка 1.txt")));
  auto parts = writtenParts(document);
  const auto core = elements(parts["docProps/core.xml"]);
  EXPECT_EQ(find(core, "dc:title")->text, "Отчёт: выборка 1.txt");
  EXPECT_EQ(find(core, "dc:language")->text, "ru-RU");
  const QDateTime created = QDateTime::fromString(find(core, "dcterms:created")->text, Qt::ISODate);
  ASSERT_TRUE(created.isValid());
  EXPECT_LE(created.secsTo(QDateTime::currentDateTimeUtc()), 60);
  const auto app = elements(parts["docProps/app.xml"]);
  EXPECT_EQ(find(app, "Application")->text, "Tarnek");
  EXPECT_TRUE(
      QRegularExpression("^[0-9]+\\.[0-9]{4}$").match(find(app, "AppVersion")->text).hasMatch());

  std::map<QString, QString> targets;
  for (const Element& e : elements(parts["_rels/.rels"]))
    if (e.name == "Relationship")
      targets[e.attributes.value("Target").toString()] = e.attributes.value("Type").toString();
  EXPECT_TRUE(targets["docProps/core.xml"].endsWith("/metadata/core-properties"));
  EXPECT_TRUE(targets["docProps/app.xml"].endsWith("/extended-properties"));
}

}  // namespace
}  // namespace report

namespace report {
namespace {

// Formatted text gets its run properties in schema order; plain text gets none at all.
TEST(DocxWriter, RunsCarryBoldItalicAndScriptsOnlyWhenSet) {
  DocumentModel document;
  const struct {
    RunFormat format;
    const char* text;
    QStringList properties;  // the children of w:rPr, none for no w:rPr
  } runs[] = {
      {{}, "plain", {}},
      {{true, false, VerticalAlign::Baseline}, "bold", {"w:b"}},
      {{false, true, VerticalAlign::Subscript}, "i", {"w:i", "w:vertAlign=subscript"}},
      {{false, false, VerticalAlign::Superscript}, "2", {"w:vertAlign=superscript"}},
      {{}, "plain again", {}},
  };
  for (const auto& run : runs) {
    document.setFont(run.format);
    document.typeText(QString::fromUtf8(run.text));
  }
  const std::vector<Element> all = elements(writtenParts(document)["word/document.xml"]);
  std::vector<QStringList> found;
  for (size_t i = 0; i < all.size(); ++i) {
    if (all[i].name != "w:r") continue;
    QStringList properties;
    for (size_t j = i + 1; j < all.size() && all[j].depth > all[i].depth; ++j) {
      if (all[j].parent != "w:rPr") continue;
      const QString value = all[j].attributes.value("w:val").toString();
      properties << all[j].name + (value.isEmpty() ? QString() : "=" + value);
    }
    found.push_back(properties);
  }
  ASSERT_EQ(found.size(), std::size(runs));
  for (size_t i = 0; i < found.size(); ++i) EXPECT_EQ(found[i], runs[i].properties) << i;
}

TEST(DocumentModel, TypedTextJoinsTheRunBeforeOnlyInTheSameFormat) {
  DocumentModel document;
  document.typeText("a");
  document.typeText("b");
  RunFormat italic;
  italic.italic = true;
  document.setFont(italic);
  document.typeText("c");
  document.typeText("d");
  const Paragraph& paragraph = std::get<Paragraph>(document.blocks().front());
  ASSERT_EQ(paragraph.runs.size(), 2u);
  EXPECT_EQ(paragraph.runs[0].text, "ab");
  EXPECT_TRUE(paragraph.runs[0].style().isPlain());
  EXPECT_EQ(paragraph.runs[1].text, "cd");
  EXPECT_TRUE(paragraph.runs[1].italic);
}

}  // namespace
}  // namespace report

namespace report {
namespace {

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
}  // namespace report
