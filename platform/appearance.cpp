#include "platform/appearance.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace orvane {

namespace {

// Day: the program's first look; the window system's roles are those of the style's own light
// palette (but for the selection), so that a light desktop sees the program as it always was.
const Colours kDay = {
    .window = {239, 239, 239},
    .windowText = {0, 0, 0},
    .base = {255, 255, 255},
    .text = {0, 0, 0},
    .alternateBase = {247, 247, 247},
    .button = {239, 239, 239},
    .buttonText = {0, 0, 0},
    .light = {255, 255, 255},
    .midlight = {202, 202, 202},
    .mid = {184, 184, 184},
    .dark = {159, 159, 159},
    .shadow = {118, 118, 118},
    // The style's own selection blue, (48, 140, 198), gives white text 3.6:1; this darker one
    // reads.
    .highlight = {34, 110, 170},
    .highlightedText = {255, 255, 255},
    .link = {0, 0, 255},
    .toolTipBase = {255, 255, 220},
    .toolTipText = {0, 0, 0},
    .disabledText = {190, 190, 190},
    .disabledBase = {239, 239, 239},
    .disabledHighlight = {145, 145, 145},
    .client = {255, 255, 255},
    .readOnlyBase = {236, 236, 236},
    .frame = {160, 160, 160},
    .border = {0, 0, 0},
    .caption = {20, 55, 130},
    .captionText = {255, 255, 255},
    .menuBar = {222, 222, 222},
    .menuBarText = {0, 0, 0},
    .menuBarLine = {150, 150, 150},
    .panel = {255, 213, 17},
    .panelLabel = {0, 0, 255},
    .panelValue = {0, 0, 0},
    .pictureBackground = {255, 255, 255},
    .pictureInk = {0, 0, 0},
    .pictureMarker = {220, 0, 0},
    .pictureTint = std::nullopt,
};

// Dusk: Day on a dark desktop. Light text on dark greys, the caption keeps its blue, the panel
// its yellow as a dark amber with light labels and white values.
const Colours kDusk = {
    .window = {84, 84, 90},
    .windowText = {232, 232, 232},
    .base = {30, 30, 32},
    .text = {232, 232, 232},
    .alternateBase = {40, 40, 43},
    .button = {60, 60, 64},
    .buttonText = {232, 232, 232},
    .light = {92, 92, 97},
    .midlight = {76, 76, 80},
    .mid = {56, 56, 59},
    .dark = {36, 36, 38},
    .shadow = {20, 20, 20},
    .highlight = {38, 98, 150},
    .highlightedText = {255, 255, 255},
    .link = {140, 180, 255},
    .toolTipBase = {60, 60, 64},
    .toolTipText = {232, 232, 232},
    .disabledText = {125, 125, 130},
    .disabledBase = {45, 45, 48},
    .disabledHighlight = {80, 80, 85},
    .client = {56, 56, 60},
    .readOnlyBase = {40, 40, 44},
    .frame = {110, 110, 115},
    .border = {150, 150, 150},
    .caption = {20, 55, 130},
    .captionText = {255, 255, 255},
    .menuBar = {50, 50, 54},
    .menuBarText = {232, 232, 232},
    .menuBarLine = {90, 90, 95},
    .panel = {100, 64, 0},
    .panelLabel = {175, 205, 255},
    .panelValue = {255, 255, 255},
    .pictureBackground = {30, 30, 32},
    .pictureInk = {232, 232, 232},
    .pictureMarker = {255, 96, 96},
    .pictureTint = std::nullopt,
};

// Night: red and dark red on black. Text is a full red, since a dimmer red on black no longer
// reads (a red text has at most about 5.7:1 on black, and the letters' smoothed edges take some
// of that); every background is as near black as the style's shading lets it be.
const Colours kNight = {
    .window = {64, 0, 0},
    .windowText = {255, 48, 48},
    .base = {0, 0, 0},
    .text = {255, 48, 48},
    .alternateBase = {16, 0, 0},
    .button = {6, 0, 0},
    .buttonText = {255, 48, 48},
    .light = {70, 0, 0},
    .midlight = {50, 0, 0},
    .mid = {36, 0, 0},
    .dark = {24, 0, 0},
    .shadow = {0, 0, 0},
    .highlight = {56, 0, 0},
    .highlightedText = {255, 48, 48},
    .link = {255, 48, 48},
    .toolTipBase = {24, 0, 0},
    .toolTipText = {255, 48, 48},
    .disabledText = {130, 0, 0},
    .disabledBase = {12, 0, 0},
    .disabledHighlight = {90, 0, 0},
    .client = {28, 0, 0},
    .readOnlyBase = {12, 0, 0},
    .frame = {150, 0, 0},
    .border = {170, 0, 0},
    .caption = {40, 0, 0},
    .captionText = {255, 48, 48},
    .menuBar = {24, 0, 0},
    .menuBarText = {255, 48, 48},
    .menuBarLine = {110, 0, 0},
    .panel = {0, 0, 0},
    .panelLabel = {255, 24, 24},
    .panelValue = {255, 48, 48},
    .pictureBackground = {0, 0, 0},
    .pictureInk = {255, 48, 48},
    .pictureMarker = {255, 0, 0},
    .pictureTint = Rgb{230, 0, 0},
};

struct Named {
    std::string_view name;
    Appearance choice;
};
constexpr Named kChoices[] = {
    {"auto", Appearance::Auto}, {"day", Appearance::Day}, {"night", Appearance::Night}};

struct NamedShade {
    std::string_view name;
    Shade shade;
};
constexpr NamedShade kShades[] = {
    {"day", Shade::Day}, {"dusk", Shade::Dusk}, {"night", Shade::Night}};

double linear(std::uint8_t channel) {
    const double c = channel / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(Rgb c) {
    return 0.2126 * linear(c.r) + 0.7152 * linear(c.g) + 0.0722 * linear(c.b);
}

}  // namespace

Shade shadeOf(Appearance choice, bool darkDesktop) {
    switch (choice) {
        case Appearance::Day:
            return Shade::Day;
        case Appearance::Night:
            return Shade::Night;
        case Appearance::Auto:
            break;
    }
    return darkDesktop ? Shade::Dusk : Shade::Day;
}

Appearance appearanceFromStore(std::uint32_t stored) {
    switch (stored) {
        case 1:
            return Appearance::Day;
        case 2:
            return Appearance::Night;
        default:
            return Appearance::Auto;
    }
}

std::string_view appearanceName(Appearance choice) {
    for (const Named& n : kChoices) {
        if (n.choice == choice) {
            return n.name;
        }
    }
    return "auto";
}

std::optional<Appearance> appearanceNamed(std::string_view name) {
    for (const Named& n : kChoices) {
        if (n.name == name) {
            return n.choice;
        }
    }
    return std::nullopt;
}

std::string_view shadeName(Shade shade) {
    for (const NamedShade& n : kShades) {
        if (n.shade == shade) {
            return n.name;
        }
    }
    return "day";
}

std::optional<Shade> shadeNamed(std::string_view name) {
    for (const NamedShade& n : kShades) {
        if (n.name == name) {
            return n.shade;
        }
    }
    return std::nullopt;
}

const Colours& coloursOf(Shade shade) {
    switch (shade) {
        case Shade::Dusk:
            return kDusk;
        case Shade::Night:
            return kNight;
        case Shade::Day:
            break;
    }
    return kDay;
}

Rgb tinted(Rgb pixel, Rgb tint) {
    // Integer weights of the brightness (0.299, 0.587, 0.114), in thousandths.
    const int brightness = (299 * pixel.r + 587 * pixel.g + 114 * pixel.b) / 1000;
    const auto scale = [brightness](std::uint8_t channel) {
        return static_cast<std::uint8_t>(brightness * channel / 255);
    };
    return {scale(tint.r), scale(tint.g), scale(tint.b)};
}

double contrastRatio(Rgb a, Rgb b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

std::string describeColour(Rgb c) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", c.r, c.g, c.b);
    return text;
}

std::string describeContrast(Rgb text, Rgb background) {
    // Tenths, rounded down, so that a ratio just under the rule never reads as 4.5.
    const int tenths = static_cast<int>(std::floor(contrastRatio(text, background) * 10.0));
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) + ":1 (" +
           describeColour(text) + " on " + describeColour(background) + ")";
}

}  // namespace orvane
