// The shell's small dialogs: splash (118), stopwatch (120), Preferences (152), disclaimer (155)
// and About (159).
#include "res/dialogs.hpp"

namespace orvane {

namespace {

using K = ControlKind;

const ControlTemplate kStopwatchControls[] = {
    {1030, K::Edit, "", 25, 10, 35, 12, cs::kReadOnly | cs::kBorder},
    {1031, K::PushButton, "Start", 5, 35, 31, 11, cs::kDefault | cs::kTabStop},
    {1032, K::PushButton, "Stop", 50, 35, 31, 11, cs::kDefault | cs::kTabStop},
};

const ControlTemplate kPreferencesControls[] = {
    {-1, K::GroupBox, "Temperature", 3, 2, 75, 40, 0},
    {1111, K::RadioButton, "Fahrenheit  \u00b0F", 10, 14, 64, 10, cs::kGroup | cs::kTabStop},
    {1112, K::RadioButton, "Celsius  \u00b0C", 10, 30, 64, 10, 0},
    {-1, K::GroupBox, "Pressure", 79, 2, 75, 40, 0},
    {1113, K::RadioButton, "Inches (in)", 87, 15, 64, 10, cs::kGroup | cs::kTabStop},
    {1114, K::RadioButton, "Millibars (mb)", 87, 31, 64, 10, 0},
    // The variation model: the dialog names the world model's file and its state in 1121.
    {-1, K::GroupBox, "Variation", 3, 44, 151, 40, 0},
    {1120, K::RadioButton, "Regional", 10, 56, 60, 10, cs::kGroup | cs::kTabStop},
    // To the frame's inner edge: "World model (WMM-2025), out of date" fits at zoom 1.
    {1121, K::RadioButton, "World model", 10, 70, 143, 10, 0},
};

const ControlTemplate kDisclaimerControls[] = {
    {-1, K::Static, "DISCLAIMER", 3, 3, 47, 8, 0},
    {1116, K::Static, "", 10, 20, 127, 34, cs::kCentre},
    {1002, K::Static, "", 7, 57, 135, 39, cs::kCentre},
    {1003, K::Static, "", 7, 100, 135, 28, cs::kCentre},
    {2, K::PushButton, "EXIT", 20, 145, 50, 14, cs::kTabStop},
    {1, K::PushButton, "Accept", 86, 145, 50, 14, cs::kDefault | cs::kTabStop},
};

const ControlTemplate kAboutControls[] = {
    {-1, K::Picture, "130", 7, 7, 20, 20, 0},
    {-1, K::Static, "Orvane Version 1.8", 40, 7, 75, 8, 0},
};

}  // namespace

const DialogTemplate kSplashTemplate = {
    118, "", 160, 166, "MS Sans Serif", 8, ds::kBorderless | ds::kCentred, {}};

const DialogTemplate kStopwatchTemplate = {120,
                                           "Timer",
                                           85,
                                           57,
                                           "MS Sans Serif",
                                           14,
                                           ds::kCaption | ds::kSysMenu | ds::kModalFrame,
                                           kStopwatchControls};

const DialogTemplate kPreferencesTemplate = {152,
                                             "Preferences",
                                             157,
                                             88,
                                             "MS Sans Serif",
                                             8,
                                             ds::kCaption | ds::kSysMenu | ds::kModalFrame,
                                             kPreferencesControls};

const DialogTemplate kDisclaimerTemplate = {
    155, "", 156, 177, "MS Sans Serif", 8, ds::kModalFrame, kDisclaimerControls};

const DialogTemplate kAboutTemplate = {159,
                                       "About Orvane",
                                       157,
                                       111,
                                       "Tahoma",
                                       8,
                                       ds::kCaption | ds::kSysMenu | ds::kModalFrame |
                                           ds::kDoneButton | ds::kFullScreen | ds::kDoneOnly,
                                       kAboutControls};

}  // namespace orvane
