// The fonts the Qt host draws with, and the device's pixels at the window's zoom.
//
// Controls are placed in device pixels by the rules both hosts share (platform/device_layout);
// the Qt host multiplies every rectangle by the zoom and draws every text in a font of the
// template's size times the zoom, so that the window scales crisply. The dialog font is a
// condensed sans-serif face whose base units at the template's size are those of the device's
// table, so that every text has the room its template gave it.
#pragma once

#include <QFont>
#include <QRect>

#include "platform/device_layout.hpp"
#include "res/templates.hpp"

namespace orvane {

// The program's sans-serif face at a size in pixels (captions, message boxes).
QFont programFont(int pixelSize, bool bold = false);
// The condensed face at a size in pixels: the dialogs' controls, the summary panel and the menu
// bar. On the device one system face served them all; this one stands in for it, its base units
// being the device's (see above).
QFont dialogFont(int pixelSize);

// The average width of a character as the classic window system measures it: the extent of the
// 52 letters A-Z and a-z divided by 26, then halved, rounding up.
int averageCharWidth(const QFont& font);

// A size in device pixels at a zoom, rounded to whole pixels.
int zoomed(int pixels, double zoom);
// A rectangle of device pixels at a zoom; each edge is rounded on its own, so that neighbouring
// controls stay neighbours at every zoom.
QRect zoomedRect(const PixelRect& rect, double zoom);

// The template's dialog font at a zoom.
QFont templateFont(const DialogTemplate& dialog, double zoom);

// The font the main window paints its summary panel with, in device pixels: the condensed face
// at the size of the disclaimer's text.
QFont panelFont();
// The font of the menu bar's buttons and of its menus at a zoom: the panel's.
//
// Every further face or size on the first screens is a font engine to set up before the main
// window shows (matching it, its hinting tables, a harfbuzz face, its own glyph cache): the
// panel and menu bar in a face and sizes of their own cost 5.5 million instructions and 45 page
// faults, about 1.5 ms of a 45 ms start on the development machine.
QFont menuFont(double zoom);

}  // namespace orvane
