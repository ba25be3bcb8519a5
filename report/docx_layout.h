// The report's page, type and table measures, without Qt: the window's writer and the
// browser page's both take them from here.
#pragma once

#include <cstdint>

namespace report {

// A4 portrait with 2 cm margins, in twentieths of a point (twips).
inline constexpr int32_t kPageWidthTwips = 11906;
inline constexpr int32_t kPageHeightTwips = 16838;
inline constexpr int32_t kMarginTwips = 1134;
inline constexpr int32_t kTextWidthTwips = kPageWidthTwips - 2 * kMarginTwips;
inline constexpr int32_t kHeaderFooterTwips = 708;
inline constexpr int32_t kDefaultTabStopTwips = 708;

// The Normal style: a sans-serif face (metric-compatible substitutes exist everywhere) at 10 pt,
// Russian; report/docx/styles.xml and settings.xml say so to the word processor.
inline constexpr int32_t kNormalFontHalfPoints = 20;

// Tables: 1/2-point single borders (in eighths of a point) and 1 mm cell margins at the sides.
inline constexpr int32_t kBorderEighthPoints = 4;
inline constexpr int32_t kCellMarginTwips = 57;

// Pictures are placed in English Metric Units.
inline constexpr int64_t kEmuPerTwip = 635;
// Relationships rId1 and rId2 are the styles and the settings; pictures follow.
inline constexpr int32_t kFirstPictureRelationship = 3;

}  // namespace report
