// The first sheet of an OpenDocument spreadsheet (.ods) as rows of cell texts.
#include "ui/data_window/ods_sheet.h"

#include <QXmlStreamReader>
#include <algorithm>
#include <optional>

#include "ui/data_window/data_texts.h"

namespace ui {

namespace {

const QString kTableNamespace = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:table:1.0");
const QString kOfficeNamespace = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:office:1.0");
const QString kTextNamespace = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:text:1.0");

bool isElement(const QXmlStreamReader& xml, const QString& ns, const char* name) {
  return xml.namespaceUri() == ns && xml.name() == QLatin1String(name);
}

// A repeat count as the file gives it, at least 1.
int64_t repeatCount(const QXmlStreamAttributes& attributes, const char* name) {
  bool ok = false;
  const qlonglong count = attributes.value(kTableNamespace, QLatin1String(name)).toLongLong(&ok);
  return ok && count > 1 ? count : 1;
}

// The text of the paragraphs of the cell the reader stands on, joined by a blank. Spaces
// (<text:s text:c="n"/>), tabs and line breaks count; notes (<office:annotation>) do not.
QString cellParagraphs(QXmlStreamReader& xml) {
  QString text;
  int depth = 0;
  bool firstParagraph = true;
  while (!xml.atEnd()) {
    xml.readNext();
    if (xml.isEndElement()) {
      if (depth == 0) break;
      --depth;
    } else if (xml.isStartElement()) {
      if (isElement(xml, kOfficeNamespace, "annotation")) {
        xml.skipCurrentElement();
      } else if (isElement(xml, kTextNamespace, "s")) {
        bool ok = false;
        const int count = xml.attributes().value(kTextNamespace, QLatin1String("c")).toInt(&ok);
        text += QString(ok ? std::clamp(count, 1, 1000) : 1, QChar(' '));
        xml.skipCurrentElement();
      } else if (isElement(xml, kTextNamespace, "tab")) {
        text += QChar('\t');
        xml.skipCurrentElement();
      } else if (isElement(xml, kTextNamespace, "line-break")) {
        text += QChar(' ');
        xml.skipCurrentElement();
      } else {
        if (isElement(xml, kTextNamespace, "p") || isElement(xml, kTextNamespace, "h")) {
          if (!firstParagraph) text += QChar(' ');
          firstParagraph = false;
        }
        ++depth;
      }
    } else if (xml.isCharacters()) {
      text += xml.text();
    }
  }
  return text;
}

std::string cellText(QXmlStreamReader& xml) {
  const QXmlStreamAttributes attributes = xml.attributes();
  const QStringView type = attributes.value(kOfficeNamespace, QLatin1String("value-type"));
  const QString paragraphs = cellParagraphs(xml);
  auto stored = [&](const char* name) {
    return attributes.value(kOfficeNamespace, QLatin1String(name)).toString();
  };
  QString text = paragraphs;
  if (type == QLatin1String("float") || type == QLatin1String("percentage") ||
      type == QLatin1String("currency"))
    text = stored("value");
  else if (type == QLatin1String("date"))
    text = stored("date-value");
  else if (type == QLatin1String("time"))
    text = stored("time-value");
  else if (type == QLatin1String("boolean"))
    text = stored("boolean-value") == QLatin1String("true") ? QStringLiteral("TRUE")
                                                            : QStringLiteral("FALSE");
  return text.toStdString();
}

}  // namespace

SheetRead readOdsFirstSheet(const ZipParts& package) {
  SheetRead result;
  const std::optional<QByteArray> content = package.part(QStringLiteral("content.xml"));
  if (!content) {
    result.error = QString::fromUtf8(text::kNoSheet);
    return result;
  }
  SheetBuilder cells;
  QXmlStreamReader xml(*content);
  // A cell's content is read with the cell, so tables inside one never reach this loop.
  int tableDepth = 0;
  bool tableSeen = false;
  int64_t row = 0;
  int64_t rowRepeat = 1;
  int64_t column = 0;
  bool rowHasText = false;
  while (!xml.atEnd()) {
    xml.readNext();
    if (xml.isStartElement()) {
      if (isElement(xml, kTableNamespace, "table")) {
        if (tableSeen && tableDepth == 0) break;  // the second sheet
        tableSeen = true;
        ++tableDepth;
      } else if (tableDepth == 1 && isElement(xml, kTableNamespace, "table-row")) {
        rowRepeat = repeatCount(xml.attributes(), "number-rows-repeated");
        column = 0;
        rowHasText = false;
      } else if (tableDepth == 1 && (isElement(xml, kTableNamespace, "table-cell") ||
                                     isElement(xml, kTableNamespace, "covered-table-cell"))) {
        const int64_t repeat = repeatCount(xml.attributes(), "number-columns-repeated");
        std::string text = cellText(xml);
        if (!text.empty()) {
          rowHasText = true;
          // A repeated cell with text fills every column it spans, the first row of a
          // repeated row now and the others when that row ends.
          for (int64_t c = column; c < column + repeat; ++c)
            if (!cells.set(row, c, text)) {
              result.error = QString::fromUtf8(text::kSheetTooLarge);
              return result;
            }
        }
        column += repeat;
      }
    } else if (xml.isEndElement()) {
      if (isElement(xml, kTableNamespace, "table")) {
        --tableDepth;
      } else if (tableDepth == 1 && isElement(xml, kTableNamespace, "table-row")) {
        if (rowHasText && !cells.repeatRow(row, rowRepeat)) {
          result.error = QString::fromUtf8(text::kSheetTooLarge);
          return result;
        }
        // Empty rows, however many the file repeats, only move the row number on.
        row += rowRepeat;
        if (row > kMaxSheetRows) row = kMaxSheetRows;
      }
    }
  }
  if (xml.hasError() || !tableSeen) {
    result.error = QString::fromUtf8(tableSeen ? text::kBrokenSheet : text::kNoSheet);
    return result;
  }
  result.rows = cells.take();
  return result;
}

}  // namespace ui
