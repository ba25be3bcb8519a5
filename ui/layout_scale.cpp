// Scaling the 120-dpi layout to the screen, placing the windows and choosing their fonts.
#include "ui/layout_scale.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "ui/captions.h"

namespace ui {

namespace {

constexpr double kFormFontDesignPixels = 13.0;
// Below this no face is readable; the texts are then allowed to run short.
constexpr int kSmallestFontPixels = 7;

bool fits(const QFontMetricsF& metrics, const TextFit& fit, const LayoutScale& scale) {
  if (fit.designWidth > 0 &&
      metrics.horizontalAdvance(fit.text) + fit.padding > scale.px(fit.designWidth))
    return false;
  if (fit.designHeight > 0 && metrics.height() + fit.padding / 2.0 > scale.px(fit.designHeight))
    return false;
  return true;
}

}  // namespace

double screenFactor(const ScreenSpec& screen, const DesignedFrame& window) {
  const double dpi =
      screen.logicalDpi > 0.0 && std::isfinite(screen.logicalDpi) ? screen.logicalDpi : kDesignDpi;
  double factor = dpi / kDesignDpi;
  if (!screen.available.isEmpty() && !window.outerSize.isEmpty()) {
    factor =
        std::min(factor, static_cast<double>(screen.available.width()) / window.outerSize.width());
    factor = std::min(factor,
                      static_cast<double>(screen.available.height()) / window.outerSize.height());
  }
  return factor;
}

QPoint placeFrame(const QRect& available, const DesignedFrame& window, double factor) {
  const LayoutScale scale(factor);
  const QSize outer = scale.size(window.outerSize.width(), window.outerSize.height());
  QPoint corner =
      available.topLeft() + QPoint(scale.px(window.topLeft.x()), scale.px(window.topLeft.y()));
  // Move in from the right and bottom first, so a window too large keeps its top-left corner.
  corner.setX(std::max(available.left(),
                       std::min(corner.x(), available.left() + available.width() - outer.width())));
  corner.setY(std::max(available.top(), std::min(corner.y(), available.top() + available.height() -
                                                                 outer.height())));
  return corner;
}

QFont fittingFont(double factor, const QStringList& families, const std::vector<TextFit>& texts) {
  const LayoutScale scale(factor);
  const QStringList faces = families.isEmpty() ? QStringList{QFont().family()} : families;
  const int designed = std::max(1, static_cast<int>(std::lround(kFormFontDesignPixels * factor)));
  QFont font;
  font.setStyleHint(QFont::SansSerif);
  for (int pixels = designed; pixels >= std::min(designed, kSmallestFontPixels); --pixels) {
    font.setPixelSize(pixels);
    for (const QString& face : faces) {
      font.setFamilies({face});
      const QFontMetricsF metrics(font);
      if (std::all_of(texts.begin(), texts.end(),
                      [&](const TextFit& fit) { return fits(metrics, fit, scale); }))
        return font;
    }
  }
  font.setFamilies({faces.front()});
  return font;
}

QStringList formFontFamilies() {
  static const QString preferred[] = {
      QStringLiteral("MS Sans Serif"),      QStringLiteral("Liberation Sans"),
      QStringLiteral("Nimbus Sans"),        QStringLiteral("DejaVu Sans"),
      QStringLiteral("Nimbus Sans Narrow"), QStringLiteral("DejaVu Sans Condensed")};
  const QStringList installed = QFontDatabase::families();
  QStringList families;
  for (const QString& face : preferred)
    if (installed.contains(face)) families.append(face);
  return families;
}

namespace {

// A kind of control in the windows: its design height, and the frame and margins it draws
// around its text, in screen pixels.
struct ControlKind {
  int designHeight;
  int padding;
};

constexpr ControlKind kMainButton{41, 12};
constexpr ControlKind kDialogButton{25, 12};
constexpr ControlKind kLabel{20, 2};
// A combo box's frame and its drop-down arrow.
constexpr ControlKind kCombo{24, 32};
constexpr ControlKind kField{24, 8};
constexpr ControlKind kGridCell{24, 8};

}  // namespace

const std::vector<TextFit>& fixedTexts() {
  // A text and the design width of the control that holds it.
  struct Placed {
    const char* text;
    int designWidth;
  };
  struct ControlTexts {
    ControlKind kind;
    std::vector<Placed> texts;
  };
  static const std::vector<TextFit> texts = [] {
    const std::vector<ControlTexts> controls = {
        {kMainButton, {{text::kOptionButton, 193}, {text::kExitButton, 193}}},
        {kLabel,
         {{text::kFileNameLabel, 76},
          {text::kIntervalLabel, 128},
          {text::kXminLabel, 33},
          {text::kXmaxLabel, 37},
          {text::kCheckGroup, 249},
          {text::kLevelLabel, 150},
          {text::kReliabilityLabel, 150},
          {text::kCoefficientsLabel, 249}}},
        {kCombo,
         {{"0.025", 93},
          {"0.999", 93},
          {text::kCoefficientsMethod, 249},
          {text::kCoefficientsSample, 249}}},
        {kDialogButton, {{text::kApplyButton, 89}, {text::kCancelButton, 91}}},
        // The widest field value the fixed format writes, e.g. a negative bound.
        {kField, {{"-1.23E05", 121}}},
        // The widest cell the grid's format writes: four digits after four zeros, in
        // the narrowest column once the columns share the grid's width (768 of 785).
        {kGridCell, {{"0.00001234", 68}}},
    };
    std::vector<TextFit> all;
    for (const ControlTexts& control : controls)
      for (const Placed& placed : control.texts)
        all.push_back({QString::fromUtf8(placed.text), placed.designWidth,
                       control.kind.designHeight, control.kind.padding});
    return all;
  }();
  return texts;
}

ScreenSpec primaryScreenSpec() {
  ScreenSpec spec;
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    spec.logicalDpi = screen->logicalDotsPerInch();
    spec.available = screen->availableGeometry();
  }
  return spec;
}

LayoutScale screenLayoutScale() {
  const double factor = screenFactor(primaryScreenSpec(), kMainWindowMenuFrame);
  return LayoutScale(factor, fittingFont(factor, formFontFamilies(), fixedTexts()));
}

void keepFrameOnScreen(QWidget& window) {
  const QScreen* screen = window.screen();
  if (screen == nullptr) return;
  const QRect available = screen->availableGeometry();
  const QRect frame = window.frameGeometry();
  if (available.contains(frame)) return;
  // What the frame and title bar add around the client area.
  const QSize chrome = frame.size() - window.size();
  const QSize client(std::min(window.width(), available.width() - chrome.width()),
                     std::min(window.height(), available.height() - chrome.height()));
  if (client != window.size()) window.resize(client.expandedTo(window.minimumSize()));
  const QSize outer = window.size() + chrome;
  window.move(
      std::clamp(frame.x(), available.left(),
                 std::max(available.left(), available.left() + available.width() - outer.width())),
      std::clamp(frame.y(), available.top(),
                 std::max(available.top(), available.top() + available.height() - outer.height())));
}

}  // namespace ui
