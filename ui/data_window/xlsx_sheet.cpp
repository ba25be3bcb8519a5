// The first sheet of an Office Open XML workbook (.xlsx) as rows of cell texts.
#include "ui/data_window/xlsx_sheet.h"

#include <QDir>
#include <QXmlStreamReader>
#include <algorithm>
#include <map>
#include <optional>

#include "ui/data_window/data_texts.h"

namespace ui {

namespace {

const QString kDefaultWorkbook = QStringLiteral("xl/workbook.xml");

// The relationships of `part` ("xl/workbook.xml" -> "xl/_rels/workbook.xml.rels"), id to target
// path inside the package, and the targets by the last word of their type.
struct Relationships {
  std::map<QString, QString> byId;
  std::map<QString, QString> byType;
};

QString folderOf(const QString& part) {
  const qsizetype slash = part.lastIndexOf('/');
  return slash < 0 ? QString() : part.left(slash + 1);
}

QString resolve(const QString& base, const QString& target) {
  // Targets are relative to the part's folder unless they start at the package's root.
  const QString joined = target.startsWith('/') ? target.mid(1) : folderOf(base) + target;
  return QDir::cleanPath(joined);
}

Relationships relationshipsOf(const ZipParts& package, const QString& part) {
  Relationships result;
  const QString relsName = folderOf(part) + QStringLiteral("_rels/") +
                           part.mid(folderOf(part).size()) + QStringLiteral(".rels");
  const std::optional<QByteArray> bytes = package.part(relsName);
  if (!bytes) return result;
  QXmlStreamReader xml(*bytes);
  while (!xml.atEnd()) {
    xml.readNext();
    if (!xml.isStartElement() || xml.name() != QLatin1String("Relationship")) continue;
    const QXmlStreamAttributes attributes = xml.attributes();
    if (attributes.value(QLatin1String("TargetMode")) == QLatin1String("External")) continue;
    const QString target = resolve(part, attributes.value(QLatin1String("Target")).toString());
    result.byId[attributes.value(QLatin1String("Id")).toString()] = target;
    const QString type = attributes.value(QLatin1String("Type")).toString();
    result.byType.emplace(type.mid(type.lastIndexOf('/') + 1), target);
  }
  return result;
}

// The text of the <si> or <is> element the reader stands on: its <t>, or the <t> of each run <r>;
// phonetic readings (<rPh>) and run properties are left out. Iterative, so no nesting can exhaust
// the stack.
std::string runsText(QXmlStreamReader& xml) {
  QString text;
  while (xml.readNextStartElement()) {
    if (xml.name() == QLatin1String("t")) {
      text += xml.readElementText(QXmlStreamReader::IncludeChildElements);
    } else if (xml.name() == QLatin1String("r")) {
      while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("t"))
          text += xml.readElementText(QXmlStreamReader::IncludeChildElements);
        else
          xml.skipCurrentElement();
      }
    } else {
      xml.skipCurrentElement();
    }
  }
  return text.toStdString();
}

std::vector<std::string> sharedStrings(const ZipParts& package, const QString& part) {
  std::vector<std::string> strings;
  const std::optional<QByteArray> bytes = package.part(part);
  if (!bytes) return strings;
  QXmlStreamReader xml(*bytes);
  while (!xml.atEnd()) {
    xml.readNext();
    if (xml.isStartElement() && xml.name() == QLatin1String("si")) strings.push_back(runsText(xml));
  }
  return strings;
}

QString firstSheetId(const QByteArray& workbook) {
  QXmlStreamReader xml(workbook);
  while (!xml.atEnd()) {
    xml.readNext();
    if (!xml.isStartElement() || xml.name() != QLatin1String("sheet")) continue;
    // The relationship id is r:id in either the transitional or the strict namespace.
    for (const QXmlStreamAttribute& attribute : xml.attributes())
      if (attribute.name() == QLatin1String("id")) return attribute.value().toString();
  }
  return {};
}

// "B3" -> row 2, column 1 (0-based); nothing for a reference that is not one. Positions beyond
// the sheet's limits stay beyond them, however many letters or digits follow.
std::optional<std::pair<int64_t, int64_t>> cellPosition(QStringView reference) {
  int64_t column = 0;
  qsizetype i = 0;
  for (; i < reference.size() && reference[i].isLetter(); ++i) {
    const char16_t letter = reference[i].toUpper().unicode();
    if (letter < u'A' || letter > u'Z') return std::nullopt;
    column = std::min<int64_t>(column * 26 + (letter - u'A' + 1), kMaxSheetColumns + 1);
  }
  int64_t row = 0;
  const qsizetype digits = i;
  for (; i < reference.size() && reference[i] >= u'0' && reference[i] <= u'9'; ++i)
    row = std::min<int64_t>(row * 10 + (reference[i].unicode() - u'0'), kMaxSheetRows + 1);
  if (column == 0 || i == digits || i != reference.size() || row == 0) return std::nullopt;
  return std::pair{row - 1, column - 1};
}

}  // namespace

SheetRead readXlsxFirstSheet(const ZipParts& package) {
  SheetRead result;
  const Relationships packageRels = relationshipsOf(package, QStringLiteral(""));
  QString workbookPart = kDefaultWorkbook;
  if (const auto found = packageRels.byType.find(QStringLiteral("officeDocument"));
      found != packageRels.byType.end())
    workbookPart = found->second;
  const std::optional<QByteArray> workbook = package.part(workbookPart);
  const Relationships workbookRels = relationshipsOf(package, workbookPart);
  const auto sheetPart =
      workbook ? workbookRels.byId.find(firstSheetId(*workbook)) : workbookRels.byId.end();
  const std::optional<QByteArray> sheet =
      sheetPart != workbookRels.byId.end() ? package.part(sheetPart->second) : std::nullopt;
  if (!sheet) {
    result.error = QString::fromUtf8(text::kNoSheet);
    return result;
  }
  const auto sharedPart = workbookRels.byType.find(QStringLiteral("sharedStrings"));
  const std::vector<std::string> strings = sharedPart == workbookRels.byType.end()
                                               ? std::vector<std::string>{}
                                               : sharedStrings(package, sharedPart->second);

  SheetBuilder cells;
  QXmlStreamReader xml(*sheet);
  int64_t row = -1;
  int64_t column = -1;
  while (!xml.atEnd()) {
    xml.readNext();
    if (!xml.isStartElement()) continue;
    if (xml.name() == QLatin1String("row")) {
      bool ok = false;
      const int64_t number = xml.attributes().value(QLatin1String("r")).toLongLong(&ok);
      row = ok && number > 0 ? number - 1 : row + 1;
      column = -1;
      continue;
    }
    if (xml.name() != QLatin1String("c")) continue;
    const QXmlStreamAttributes attributes = xml.attributes();
    const QStringView reference = attributes.value(QLatin1String("r"));
    if (const auto position = reference.isEmpty() ? std::nullopt : cellPosition(reference)) {
      row = position->first;
      column = position->second;
    } else {
      ++column;
    }
    const QString type = attributes.value(QLatin1String("t")).toString();
    std::string value;       // <v>: a number, an index of a shared string, a cached result
    std::string inlineText;  // <is>
    while (xml.readNextStartElement()) {
      if (xml.name() == QLatin1String("v"))
        value = xml.readElementText().toStdString();
      else if (xml.name() == QLatin1String("is"))
        inlineText = runsText(xml);
      else
        xml.skipCurrentElement();
    }
    std::string text = value;
    if (type == QLatin1String("s")) {
      bool ok = false;
      const qulonglong index = QString::fromStdString(value).toULongLong(&ok);
      text = ok && index < strings.size() ? strings[index] : std::string();
    } else if (type == QLatin1String("inlineStr")) {
      text = inlineText;
    } else if (type == QLatin1String("b")) {
      text = value == "1" ? "TRUE" : value == "0" ? "FALSE" : value;
    }
    if (!cells.set(row, column, std::move(text))) {
      result.error = QString::fromUtf8(text::kSheetTooLarge);
      return result;
    }
  }
  if (xml.hasError()) {
    result.error = QString::fromUtf8(text::kBrokenSheet);
    return result;
  }
  result.rows = cells.take();
  return result;
}

}  // namespace ui
