// Pixel sizes of a layout drawn at 120 dpi, scaled for the screen in use.
#pragma once

#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>
#include <vector>

namespace ui {

inline constexpr double kDesignDpi = 120.0;

// A text that must fit into a control of the given design size, with the
// control's own frame and margins (in screen pixels) around it.
struct TextFit {
  QString text;
  int designWidth = 0;
  int designHeight = 0;
  int padding = 0;
};

class LayoutScale {
 public:
  explicit LayoutScale(double factor = 1.0);

  double factor() const { return factor_; }
  int px(int designPixels) const;
  QRect rect(int left, int top, int width, int height) const;
  QSize size(int width, int height) const;

 private:
  double factor_;
};

// The windows' font: 13 pixels at 120 dpi, so the same physical size on any
// screen. The face is the system's sans-serif when the designed one is missing.
QFont formFont();

// The chart title's font: 20 pixels at 120 dpi, italic, a script face where
// one with Cyrillic letters is installed, else a serif.
QFont chartTitleFont(const LayoutScale& scale);

// dpiFactor (screen dpi / 120), raised just enough that every text fits.
double fittingFactor(double dpiFactor, const QFont& font, const std::vector<TextFit>& texts);

// The fixed texts of both windows with the controls that hold them.
const std::vector<TextFit>& fixedTexts();

// The one scale both windows use on the primary screen. Scaling both windows
// alike keeps their proportions; raising it keeps wide fonts from being cut off.
LayoutScale screenLayoutScale();

}  // namespace ui
