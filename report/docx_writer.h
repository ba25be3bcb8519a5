// Writes a DocumentModel as an Office Open XML word-processing file (.docx).
#pragma once

#include <QByteArray>
#include <QString>

#include "document_model.h"

namespace report {

// Page and picture geometry the writer uses, in twentieths of a point (twips): A4 with the
// margins a new document gets in a Russian locale.
inline constexpr int32_t kPageWidthTwips = 11906;
inline constexpr int32_t kPageHeightTwips = 16838;
inline constexpr int32_t kMarginLeftTwips = 1701;
inline constexpr int32_t kMarginRightTwips = 850;
inline constexpr int32_t kMarginTopTwips = 1134;
inline constexpr int32_t kMarginBottomTwips = 1134;
inline constexpr int32_t kTextWidthTwips = kPageWidthTwips - kMarginLeftTwips - kMarginRightTwips;

// The whole .docx file in memory. Throws std::runtime_error if the ZIP library fails.
QByteArray docxBytes(const DocumentModel& document);

// The text as it goes into a w:t element: characters that XML 1.0 forbids (most controls,
// lone surrogates, U+FFFE, U+FFFF) dropped. Tabs and line breaks are kept for the caller.
QString xmlSafeText(const QString& text);

}  // namespace report
