// A shade's colours (platform/appearance.hpp) as Qt takes them: the program's windows and the
// help viewer use the same.
#pragma once

#include <QColor>
#include <QImage>
#include <QPalette>

#include "platform/appearance.hpp"

namespace orvane {

// The program hands its shade ("day", "dusk" or "night") to the help viewer in this environment
// variable.
inline constexpr const char* kShadeVariable = "ORVANE_SHADE";

inline QColor toQColor(Rgb c) {
    return QColor(c.r, c.g, c.b);
}
// The window system's roles of a shade's colours, for every state of a widget.
QPalette paletteOf(const Colours& colours);
// A picture in the shade: tinted where the shade tints pictures, else as it is.
QImage inShade(const QImage& picture, const Colours& colours);

}  // namespace orvane
