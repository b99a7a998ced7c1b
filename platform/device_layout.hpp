// The device's screen and where a template's controls lie on it, in device pixels (the pixels of
// the 240 by 320 screen at zoom 1). Both hosts place controls by these rules, so that the
// headless host can check the same geometry the Qt host shows; the Qt host multiplies every
// rectangle by the window's zoom.
//
// A template's rectangles are in dialog units of its font: horizontally a quarter of the font's
// average character width, vertically an eighth of its height. The base units are those of the
// dialog font at the template's point size at 96 dots to the inch, as the device measured them
// (a fixed table, so that the geometry does not depend on the fonts of the machine).
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/platform.hpp"
#include "res/templates.hpp"

namespace orvane {

inline constexpr int kScreenWidth = 240;
inline constexpr int kScreenHeight = 320;
inline constexpr int kCaptionHeight = 26;  // the strip with the window's caption on top
inline constexpr int kMenuBarHeight = 26;  // the main window's menu bar at the bottom
// The main window's client area: the screen less the caption strip and the menu bar.
inline constexpr int kMainClientHeight = kScreenHeight - kCaptionHeight - kMenuBarHeight;

struct BaseUnits {
    int pixelSize;  // the dialog font's size in pixels
    int x;          // average character width, pixels (4 dialog units)
    int y;          // character height, pixels (8 dialog units)
};

// The dialog font's size and base units for a template's point size.
BaseUnits dialogBaseUnits(int pointSize);

// value * numerator / denominator, rounded half away from zero (MulDiv); denominator not 0.
int mulDiv(int value, int numerator, int denominator);

// A rectangle in dialog units to device pixels; left and right (top and bottom) are converted
// each on its own, so that neighbouring controls stay neighbours.
PixelRect dialogRect(const BaseUnits& base, int x, int y, int width, int height);

// Where a control of a template lies: its rectangle, a combo box one line high (its template
// height includes the dropped-down list).
PixelRect controlRect(const BaseUnits& base, const ControlTemplate& control);
// A combo box placed at rect shows one line of the dialog font.
PixelRect comboLine(const BaseUnits& base, PixelRect rect);

// The window's zoom: from 1 to 8, in quarter steps when the pilot chooses it.
inline constexpr double kSmallestZoom = 1.0;
inline constexpr double kLargestZoom = 8.0;
inline constexpr double kZoomStep = 0.25;
// The zoom of a first start: the window about half the screen's available height, to the
// nearest quarter step, at least 1.
double firstStartZoom(int availableHeight);
// One quarter step in (+1) or out (-1) from a zoom, kept within 1 to 8.
double stepZoom(double zoom, int direction);
// The stored value "Zoom" (hundredths) as a zoom; 0 when it is not one (missing, out of range).
double zoomFromStore(std::uint32_t hundredths);

// Where a dialog lies on the device's screen, inside the main window: its frame (screen
// pixels), the height of its caption strip and its client area (pixels of the frame).
//  - A captioned dialog covers the main window's caption with its own, across the whole width;
//    one with a Done button (or sized to the full screen by the shell) fills the screen below
//    its caption, so that nothing of the panel shows around it.
//  - The splash (borderless, no caption) lies at x 0, y 24, over the rest of the screen.
//  - A modal frame without a caption (the disclaimer) opens centred just below the caption.
struct DialogPlace {
    PixelRect frame;
    int caption;
    PixelRect client;
};
DialogPlace dialogPlace(const DialogTemplate& dialog);

// The dialog's client area at its own origin.
PixelRect dialogClientRect(const DialogTemplate& dialog);

// A visible control, for the layout check.
struct LayoutControl {
    int id;
    ControlKind kind;
    unsigned style;
    PixelRect rect;
};

// What is wrong with the arrangement of a window's visible controls: one not wholly inside the
// client area; two that overlap (a group box and the controls wholly inside its frame
// excepted, and two framed fields whose frames share a line at most sharedBorder pixels wide);
// a control across a group box's frame (whose top line runs through the middle of a title line
// titleLine pixels high); a result field lower than its label. One line each, naming the
// control, its rectangle and what it collides with.
std::vector<std::string> geometryFaults(PixelRect client, std::span<const LayoutControl> controls,
                                        int sharedBorder, int titleLine);

std::string describeRect(PixelRect rect);

}  // namespace orvane
