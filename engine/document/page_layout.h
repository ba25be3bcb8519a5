// How a report sits on paper, for every format it is written in: page, margins, type, tables.
// Without Qt: the window's writers and the browser page's take them from here.
#pragma once

#include <cstdint>

namespace engine {

// A4 portrait with 2 cm margins, in twentieths of a point (twips).
inline constexpr int32_t kPageWidthTwips = 11906;
inline constexpr int32_t kPageHeightTwips = 16838;
inline constexpr int32_t kMarginTwips = 1134;
inline constexpr int32_t kTextWidthTwips = kPageWidthTwips - 2 * kMarginTwips;
inline constexpr int32_t kTwipsPerPoint = 20;
inline constexpr int32_t kHeaderFooterTwips = 708;

// The Normal style: a sans-serif face (metric-compatible substitutes exist everywhere) at 10 pt,
// single line spacing, no space around paragraphs, tab stops every 1.25 cm.
inline constexpr const char* kNormalFontFamily = "Arial";
inline constexpr int32_t kNormalFontHalfPoints = 20;
inline constexpr int32_t kDefaultTabStopTwips = 708;

// Tables: 1/2-point single borders and 1 mm cell margins at the sides; no row is split across
// pages, and the first row is repeated at the top of every page the table continues on.
inline constexpr int32_t kBorderTwips = 10;
inline constexpr int32_t kBorderEighthPoints = kBorderTwips * 8 / kTwipsPerPoint;
inline constexpr int32_t kCellMarginTwips = 57;
inline constexpr int32_t kRepeatedHeaderRows = 1;

// Every picture spans the text width and keeps its proportions; in a .docx it is placed in
// English Metric Units, and its relationship follows rId1 and rId2 (the styles and the settings).
inline constexpr int64_t kEmuPerTwip = 635;
inline constexpr int32_t kFirstPictureRelationship = 3;

}  // namespace engine
