// Scaling the 120-dpi layout to the screen and choosing the windows' fonts.
#include "layout_scale.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cmath>

#include "captions.h"

namespace ui {

namespace {

constexpr double kFormFontDesignPixels = 13.0;
constexpr double kTitleFontDesignPixels = 20.0;
constexpr double kPointsPerInch = 72.0;

// Frames and margins that a control draws around its text, in screen pixels.
constexpr int kLabelPadding = 2;
constexpr int kEditPadding = 8;
constexpr int kButtonPadding = 12;
constexpr int kCellPadding = 8;

}  // namespace

LayoutScale::LayoutScale(double factor) : factor_(factor > 0.0 ? factor : 1.0) {}

int LayoutScale::px(int designPixels) const {
  return static_cast<int>(std::lround(designPixels * factor_));
}

QRect LayoutScale::rect(int left, int top, int width, int height) const {
  // Edges are rounded rather than sizes, so neighbours stay flush.
  const int x0 = px(left);
  const int y0 = px(top);
  return QRect(x0, y0, px(left + width) - x0, px(top + height) - y0);
}

QSize LayoutScale::size(int width, int height) const { return QSize(px(width), px(height)); }

QFont formFont() {
  QFont font;
  font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans")});
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(kFormFontDesignPixels * kPointsPerInch / kDesignDpi);
  return font;
}

QFont chartTitleFont(const LayoutScale& scale) {
  // Script faces first; the first one that can write Russian wins.
  static const QString preferred[] = {
      QStringLiteral("Odessa Script"), QStringLiteral("Z003"),
      QStringLiteral("URW Chancery L"), QStringLiteral("DejaVu Serif")};
  QString family = QStringLiteral("serif");
  for (const QString& candidate : preferred) {
    // Empty for a face that is not installed.
    if (QFontDatabase::writingSystems(candidate).contains(QFontDatabase::Cyrillic)) {
      family = candidate;
      break;
    }
  }
  QFont font(family);
  font.setStyleHint(QFont::Serif);
  font.setItalic(true);
  font.setPixelSize(scale.px(static_cast<int>(kTitleFontDesignPixels)));
  return font;
}

double fittingFactor(double dpiFactor, const QFont& font, const std::vector<TextFit>& texts) {
  const QFontMetricsF metrics(font);
  double factor = dpiFactor;
  for (const TextFit& fit : texts) {
    if (fit.designWidth > 0) {
      const double needed = metrics.horizontalAdvance(fit.text) + fit.padding;
      factor = std::max(factor, needed / fit.designWidth);
    }
    if (fit.designHeight > 0) {
      const double needed = metrics.height() + fit.padding / 2.0;
      factor = std::max(factor, needed / fit.designHeight);
    }
  }
  // A little above the bare minimum, so rounding a size down cannot cut a pixel.
  return factor > dpiFactor ? factor * 1.02 : factor;
}

const std::vector<TextFit>& fixedTexts() {
  static const std::vector<TextFit> texts = {
      {QString::fromUtf8(text::kOptionButton), 193, 41, kButtonPadding},
      {QString::fromUtf8(text::kExitButton), 193, 41, kButtonPadding},
      {QString::fromUtf8(text::kFileNameLabel), 76, 20, kLabelPadding},
      {QString::fromUtf8(text::kIntervalLabel), 128, 20, kLabelPadding},
      {QString::fromUtf8(text::kXminLabel), 33, 20, kLabelPadding},
      {QString::fromUtf8(text::kXmaxLabel), 37, 20, kLabelPadding},
      {QString::fromUtf8(text::kApplyButton), 89, 25, kButtonPadding},
      {QString::fromUtf8(text::kCancelButton), 91, 25, kButtonPadding},
      // The widest field value the fixed format writes, e.g. a negative bound.
      {QStringLiteral("-1.23E05"), 121, 24, kEditPadding},
      // The widest cell the grid's format writes: four digits after four zeros.
      {QStringLiteral("0.00001234"), 63, 24, kCellPadding},
  };
  return texts;
}

LayoutScale screenLayoutScale() {
  double dpi = kDesignDpi;
  if (const QScreen* screen = QGuiApplication::primaryScreen()) dpi = screen->logicalDotsPerInch();
  return LayoutScale(fittingFactor(dpi / kDesignDpi, formFont(), fixedTexts()));
}

}  // namespace ui
