// Pixel sizes of a layout drawn at 120 dpi, scaled for the screen in use.
#pragma once

#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <vector>

#include "chart/design_scale.h"

class QWidget;

namespace ui {

// The windows are laid out with the chart's design scale.
using chart::kDesignDpi;
using chart::LayoutScale;

// A text that must fit into a control of the given design size, with the
// control's own frame and margins (in screen pixels) around it.
struct TextFit {
  QString text;
  int designWidth = 0;
  int designHeight = 0;
  int padding = 0;
};

// What the scale is chosen from: the screen's logical density and the part
// of it that windows may take, both as the toolkit reports them.
struct ScreenSpec {
  double logicalDpi = kDesignDpi;
  QRect available;
};

// A window's designed outer frame (frame and title bar included), in design pixels.
struct DesignedFrame {
  QPoint topLeft;
  QSize outerSize;
};

inline const DesignedFrame kMainWindowFrame{QPoint(171, 39), QSize(850, 595)};
// The dialog is taller than first drawn by its group of the test's settings.
inline const DesignedFrame kOptionsFrame{QPoint(354, 91), QSize(295, 368)};

// The room the menu bar adds above the main window's designed layout, in
// design pixels: at every scale a screen gives, at least the menu bar's real
// height in the windows' fitted font.
inline constexpr int kMenuBarDesignHeight = 24;
// The main window's frame with its menu bar: what the screen must hold.
inline const DesignedFrame kMainWindowMenuFrame{
    kMainWindowFrame.topLeft, kMainWindowFrame.outerSize + QSize(0, kMenuBarDesignHeight)};

// The screen's density over the design density, lowered so that the whole
// framed window fits the available area.
double screenFactor(const ScreenSpec& screen, const DesignedFrame& window);

// The frame's top-left corner: the designed point, scaled and taken from the
// available area's corner, moved in as far as needed to keep the frame inside.
QPoint placeFrame(const QRect& available, const DesignedFrame& window, double factor);

// The largest font, at most the designed 13 pixels scaled, in which every text
// fits its control at `factor`. Families are tried in order at each size, so
// a narrower face keeps the full size before any face gets smaller.
QFont fittingFont(double factor, const QStringList& families, const std::vector<TextFit>& texts);

// The installed ones of the faces the windows prefer, narrowest last.
QStringList formFontFamilies();

// The fixed texts of both windows with the controls that hold them.
const std::vector<TextFit>& fixedTexts();

// The one scale both windows use on the primary screen, fitted to the main
// window with its menu bar.
LayoutScale screenLayoutScale();
ScreenSpec primaryScreenSpec();

// Moves a shown window's frame back inside its screen's available area.
void keepFrameOnScreen(QWidget& window);

}  // namespace ui
