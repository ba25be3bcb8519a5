// What every new document gets without a formatting call: page, type, language, table look.
#pragma once

#include <QByteArray>
#include <QXmlStreamWriter>
#include <cstdint>

#include "engine/document/page_layout.h"

namespace report::docx {

// A part that is the same in every document, as stored under report/docx/ ("styles.xml",
// "settings.xml", "content_types.xml" or "package.rels") with the lines' indentation and
// breaks taken out: one line of XML and a line break.
QByteArray fixedPart(const char* name);

// The table properties every table gets (w:tblPr), its width the sum of its columns.
void writeTableProperties(QXmlStreamWriter& xml, int32_t widthTwips);
// Row properties (w:trPr): no row splits across pages, the first row repeats as the header.
void writeRowProperties(QXmlStreamWriter& xml, bool header);
// The section: page size and margins.
void writeSectionProperties(QXmlStreamWriter& xml);

}  // namespace report::docx
