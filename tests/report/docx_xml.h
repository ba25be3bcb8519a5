// Reading back what the .docx writer wrote: its parts, and each part's XML element by element.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QXmlStreamAttributes>
#include <map>
#include <vector>

#include "report/model/document_model.h"

namespace report::test {

// WordprocessingML's namespace.
inline const QString kW = "http://schemas.openxmlformats.org/wordprocessingml/2006/main";

// The chart picture as a PNG of this size.
Picture pngPicture(int width, int height);

// Two pictures (one inside a cell), a table of 11 columns, texts with blanks at their ends.
DocumentModel richDocument();

// The document's .docx parts, by name.
std::map<QString, QByteArray> writtenParts(const DocumentModel& document);

struct Element {
  QString name;    // qualified name as written
  QString parent;  // qualified name of its parent
  int depth = 0;
  QXmlStreamAttributes attributes;
  QString text;  // character data directly inside
  QStringList children;
};

// Every element of an XML part, in document order; fails the test if it is not well-formed.
std::vector<Element> elements(const QByteArray& xml);

// The first element of that name (and parent, when given), or nullptr.
const Element* find(const std::vector<Element>& all, const QString& name,
                    const QString& parent = QString());

// The element's attribute; "<missing>" when there is no such element.
QString attribute(const Element* e, const char* name);

}  // namespace report::test
