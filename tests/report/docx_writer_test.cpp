// The .docx writer: the package and XML details that word processors insist on.
#include "report/docx/docx_writer.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QSet>

#include "tests/report/docx_xml.h"
#include "tests/report/report_test_support.h"

namespace report::test {
namespace {

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
  const std::vector<LocalEntry> entries = localEntries(archive);
  ASSERT_EQ(entries.size(), unzip(archive).size());
  EXPECT_EQ(entries.front().name, "[Content_Types].xml");
  for (const LocalEntry& entry : entries) {
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
}  // namespace report::test
