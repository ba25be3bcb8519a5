// What every new document gets without a formatting call: page, type, language, table look.
#pragma once

#include <QByteArray>
#include <QXmlStreamWriter>
#include <cstdint>

namespace report {

// A4 portrait with 2 cm margins, in twentieths of a point (twips).
inline constexpr int32_t kPageWidthTwips = 11906;
inline constexpr int32_t kPageHeightTwips = 16838;
inline constexpr int32_t kMarginTwips = 1134;
inline constexpr int32_t kTextWidthTwips = kPageWidthTwips - 2 * kMarginTwips;

// The Normal style: a sans-serif face (metric-compatible substitutes exist everywhere) at 10 pt,
// Russian; report/docx/styles.xml and settings.xml say so to the word processor.
inline constexpr int32_t kNormalFontHalfPoints = 20;

// Tables: 1/2-point single borders and 1 mm cell margins at the sides.
inline constexpr int32_t kCellMarginTwips = 57;

namespace docx {

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

}  // namespace docx
}  // namespace report
