// Reading back what the .docx writer wrote: its parts, and each part's XML element by element.
#include "tests/report/docx_xml.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QXmlStreamReader>

#include "report/docx/docx_writer.h"
#include "tests/report/report_test_support.h"

namespace report::test {

Picture pngPicture(int width, int height) {
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  chartPicture(width, height).save(&buffer, "PNG");
  Picture picture;
  picture.png = png.toStdString();
  picture.width = width;
  picture.height = height;
  return picture;
}

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
  return unzip(docxBytes(document.document(), document.properties()));
}

const Element* find(const std::vector<Element>& all, const QString& name, const QString& parent) {
  for (const Element& e : all)
    if (e.name == name && (parent.isEmpty() || e.parent == parent)) return &e;
  return nullptr;
}

QString attribute(const Element* e, const char* name) {
  return e == nullptr ? QString("<missing>") : e->attributes.value(QLatin1String(name)).toString();
}

}  // namespace report::test
