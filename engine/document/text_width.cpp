// Autofit column widths from the Normal face's advance widths, on UTF-8 text.
#include "engine/document/text_width.h"

#include <algorithm>
#include <array>
#include <numeric>

#include "engine/document/page_layout.h"
#include "engine/utf8_text.h"

namespace engine {

namespace {

// Advance widths of printable ASCII (32 to 126) in thousandths of an em; the numbers,
// exponents and signs of the grid all come from here.
constexpr std::array<int16_t, 95> kAsciiWidths = {
    278, 278, 355, 556, 556, 889, 667,  191, 333, 333, 389, 584, 278, 333, 278, 278,  // space to /
    556, 556, 556, 556, 556, 556, 556,  556, 556, 556,                                // 0 to 9
    278, 278, 584, 584, 584, 556, 1015,                                               // : to @
    667, 667, 722, 722, 667, 611, 778,  722, 278, 500, 667, 556, 833,                 // A to M
    722, 778, 667, 778, 722, 667, 611,  722, 667, 944, 667, 667, 611,                 // N to Z
    278, 278, 278, 469, 556, 333,                                                     // [ to `
    556, 556, 500, 556, 556, 278, 556,  556, 222, 222, 500, 222, 833,                 // a to m
    556, 556, 556, 556, 333, 500, 278,  556, 500, 722, 500, 500, 500,                 // n to z
    334, 260, 334, 584};                                                              // { to ~
// Other characters (Cyrillic letters and the like) as a wide letter.
constexpr int32_t kOtherWidth = 750;
constexpr int32_t kTabWidth = 2000;
// Rounding in the word processor's layout; a column this much wider never wraps its widest line.
constexpr int32_t kSlackTwips = 30;

}  // namespace

int32_t lineWidthTwips(std::string_view text, int32_t halfPoints) {
  int64_t thousandths = 0;
  for (size_t pos = 0; pos < text.size();) {
    const engine::Utf8Step step = engine::nextUtf8(text, pos);
    const auto c = static_cast<unsigned char>(text[pos]);
    if (step.length == 1 && c == '\t') {
      thousandths += kTabWidth;
    } else if (step.length == 1 && c >= 32 && c <= 126) {
      thousandths += kAsciiWidths[c - 32];
    } else {
      thousandths += kOtherWidth;
    }
    pos += step.length;
  }
  // An em is the font size: halfPoints * 10 twips.
  const int64_t twips = (thousandths * halfPoints * 10 + 999) / 1000;
  return static_cast<int32_t>(std::min<int64_t>(twips, INT32_MAX));
}

std::vector<int32_t> fitColumnWidths(const std::vector<int32_t>& widestLineTwips,
                                     int32_t availableTwips) {
  const int32_t padding = 2 * kCellMarginTwips + kSlackTwips;
  std::vector<int32_t> widths;
  widths.reserve(widestLineTwips.size());
  for (int32_t line : widestLineTwips)
    widths.push_back(padding + std::max(0, std::min(line, INT32_MAX - padding)));
  const int64_t total = std::accumulate(widths.begin(), widths.end(), int64_t{0});
  if (total > availableTwips) {
    for (int32_t& width : widths)
      width = std::max<int32_t>(1, static_cast<int32_t>(width * int64_t{availableTwips} / total));
  }
  return widths;
}

}  // namespace engine
