// The screen the program was laid out for and the dialog units of its templates.
//
// A template's rectangles are in dialog units of its font: horizontally a quarter of the font's
// average character width, vertically an eighth of its height. The Qt host takes the template's
// font (a sans-serif face from fontconfig at the template's point size, 96 dots to the inch) and
// makes it a pixel smaller at a time until the whole template fits the 240-pixel-wide screen,
// so that every dialog fits however wide the face found on this machine is.
#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

#include "res/templates.hpp"

namespace orvane {

// The device's screen and the shell's parts of it, in logical pixels (QT_SCALE_FACTOR enlarges
// them all on a desktop screen).
inline constexpr int kScreenWidth = 240;
inline constexpr int kScreenHeight = 320;
inline constexpr int kCaptionHeight = 26;  // the strip with the window's caption on top
inline constexpr int kMenuBarHeight = 26;  // the main window's menu bar at the bottom
// The main window's client area: the screen less the caption strip and the menu bar.
inline constexpr int kMainClientHeight = kScreenHeight - kCaptionHeight - kMenuBarHeight;

struct DialogMetrics {
    QFont font;
    int baseX = 0;  // average character width, pixels (4 dialog units)
    int baseY = 0;  // character height, pixels (8 dialog units)
};

// The program's sans-serif face at a size in pixels.
QFont programFont(int pixelSize, bool bold = false);

// The average width of a character as the classic window system measures it: the extent of the
// 52 letters A-Z and a-z divided by 26, then halved, rounding up.
int averageCharWidth(const QFont& font);

// The template's font and base units, the font made smaller until the template is no wider than
// screenWidth pixels (never below 6 pixels).
DialogMetrics dialogMetrics(const DialogTemplate& dialog, int screenWidth = kScreenWidth);

// value * numerator / denominator, rounded half away from zero (MulDiv); denominator not 0.
int mulDiv(int value, int numerator, int denominator);

// A rectangle in dialog units to pixels; left and right (top and bottom) are converted each on
// its own, so that neighbouring controls stay neighbours.
QRect mapDialogRect(const DialogMetrics& metrics, int x, int y, int width, int height);

// The template's client area in pixels.
QSize dialogClientSize(const DialogMetrics& metrics, const DialogTemplate& dialog);

// The font the main window paints its summary panel with.
QFont panelFont();

}  // namespace orvane
