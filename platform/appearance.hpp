// The program's appearances and every colour it shows. Day is the program's look on a light
// desktop; Dusk is Day made dark for a dark desktop (light text on dark backgrounds, the panel a
// dark amber); Night is red and dark red on black only, so that a pilot's night vision is kept.
// The pilot chooses Auto (Day or Dusk, after the desktop), Day or Night.
//
// This is the one place where a colour is chosen: the hosts build their windows' colours from
// coloursOf, and the program paints its panel and pictures from it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/platform.hpp"

namespace orvane {

// The pilot's choice, as stored ("Display": 0 Auto, 1 Day, 2 Night).
enum class Appearance : std::int32_t { Auto = 0, Day = 1, Night = 2 };

// What is on screen.
enum class Shade { Day, Dusk, Night };

// Auto follows the desktop: Dusk on a dark one, Day on a light one.
Shade shadeOf(Appearance choice, bool darkDesktop);
// A stored number as a choice: anything but 1 and 2 is Auto.
Appearance appearanceFromStore(std::uint32_t stored);
std::string_view appearanceName(Appearance choice);  // "auto", "day", "night"
std::optional<Appearance> appearanceNamed(std::string_view name);
std::string_view shadeName(Shade shade);  // "day", "dusk", "night"
std::optional<Shade> shadeNamed(std::string_view name);

// The colours of one shade. The first group are the window system's roles (Qt's palette roles
// of the same names); then the program's own.
struct Colours {
    // Controls and windows, enabled.
    Rgb window;  // the frames of windows, behind the client area
    Rgb windowText;
    Rgb base;  // edit fields and lists
    Rgb text;
    Rgb alternateBase;
    Rgb button;
    Rgb buttonText;
    Rgb light, midlight, mid, dark, shadow;  // the bevels, lightest to darkest
    Rgb highlight;                           // selected text, lit items, focus marks
    Rgb highlightedText;
    Rgb link;
    Rgb toolTipBase, toolTipText;
    // Disabled controls.
    Rgb disabledText;
    Rgb disabledBase;
    Rgb disabledHighlight;
    // The program's own.
    Rgb client;        // the client area of every window (the main window around the panel)
    Rgb readOnlyBase;  // result fields
    Rgb frame;         // group boxes' frames
    Rgb border;        // message boxes' and borderless dialogs' one-pixel border, the painter's pen
    Rgb caption, captionText;                          // the caption strip on top
    Rgb menuBar, menuBarText, menuBarLine;             // the menu bar at the bottom, its top line
    Rgb panel, panelLabel, panelValue;                 // the summary panel
    Rgb pictureBackground, pictureInk, pictureMarker;  // owner-drawn pictures (the envelope)
    // Pictures read from files (the splash, About's picture) are shown in shades of this colour
    // (their brightness kept); nothing: as they are.
    std::optional<Rgb> pictureTint;
};

const Colours& coloursOf(Shade shade);

// A picture's pixel in the shade's tint: its brightness in the tint colour.
Rgb tinted(Rgb pixel, Rgb tint);

// The contrast of two colours by the WCAG rule: (L1 + 0.05) / (L2 + 0.05) of their relative
// luminances, lighter over darker; 1 for the same colour, 21 for black and white.
double contrastRatio(Rgb a, Rgb b);
inline constexpr double kMinimumTextContrast = 4.5;  // the rule for body text (AA)

// "#rrggbb", and "4.2:1 (#rrggbb on #rrggbb)" for the faults the checks report.
std::string describeColour(Rgb c);
std::string describeContrast(Rgb text, Rgb background);

// Night keeps the eye adapted: no colour with more green or blue than a dim trace.
inline constexpr int kNightGreenBlueLimit = 48;
inline bool fitsNight(Rgb c) {
    return c.g <= kNightGreenBlueLimit && c.b <= kNightGreenBlueLimit;
}

}  // namespace orvane
