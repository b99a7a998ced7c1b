// The shell's small dialogs: splash (118), stopwatch (120), Preferences (152), disclaimer (155)
// and About (159).
#include "res/dialogs.hpp"
#include "res/ids.hpp"

namespace orvane {

namespace {

using K = ControlKind;
using namespace ctl;

const ControlTemplate kStopwatchControls[] = {
    {stopwatch::kElapsed, K::Edit, "", 25, 10, 35, 12, cs::kReadOnly | cs::kBorder},
    {stopwatch::kStart, K::PushButton, "Start", 5, 35, 31, 11, cs::kDefault | cs::kTabStop},
    {stopwatch::kStop, K::PushButton, "Stop", 50, 35, 31, 11, cs::kDefault | cs::kTabStop},
};

const ControlTemplate kPreferencesControls[] = {
    {-1, K::GroupBox, "Temperature", 3, 2, 75, 40, 0},
    {preferences::kFahrenheit, K::RadioButton, "Fahrenheit  \u00b0F", 10, 14, 64, 10,
     cs::kGroup | cs::kTabStop},
    {preferences::kCelsius, K::RadioButton, "Celsius  \u00b0C", 10, 30, 64, 10, 0},
    {-1, K::GroupBox, "Pressure", 79, 2, 75, 40, 0},
    {preferences::kInches, K::RadioButton, "Inches (in)", 87, 15, 64, 10,
     cs::kGroup | cs::kTabStop},
    {preferences::kMillibars, K::RadioButton, "Millibars (mb)", 87, 31, 64, 10, 0},
    // The variation model: the dialog names the world model's file and its state in 1121.
    {-1, K::GroupBox, "Variation", 3, 44, 151, 40, 0},
    {preferences::kRegionalVariation, K::RadioButton, "Regional", 10, 56, 60, 10,
     cs::kGroup | cs::kTabStop},
    // To the frame's inner edge: "World model (WMM-2025), out of date" fits at zoom 1.
    {preferences::kWorldVariation, K::RadioButton, "World model", 10, 70, 143, 10, 0},
    // The appearance: Auto follows the desktop, Night is red on black.
    {-1, K::GroupBox, "Display", 3, 86, 151, 26, 0},
    {preferences::kDisplayAuto, K::RadioButton, "Auto", 10, 98, 42, 10, cs::kGroup | cs::kTabStop},
    {preferences::kDisplayDay, K::RadioButton, "Day", 58, 98, 42, 10, 0},
    {preferences::kDisplayNight, K::RadioButton, "Night", 106, 98, 44, 10, 0},
};

const ControlTemplate kDisclaimerControls[] = {
    {-1, K::Static, "DISCLAIMER", 3, 3, 47, 8, 0},
    {disclaimer::kWarning, K::Static, "", 10, 20, 127, 34, cs::kCentre},
    {disclaimer::kNoValidation, K::Static, "", 7, 57, 135, 39, cs::kCentre},
    {disclaimer::kNoLiability, K::Static, "", 7, 100, 135, 28, cs::kCentre},
    {disclaimer::kExit, K::PushButton, "EXIT", 20, 145, 50, 14, cs::kTabStop},
    {disclaimer::kAccept, K::PushButton, "Accept", 86, 145, 50, 14, cs::kDefault | cs::kTabStop},
};

const ControlTemplate kAboutControls[] = {
    {-1, K::Picture, "130", 7, 7, 20, 20, 0},
    {-1, K::Static, "Orvane Version 1.8", 40, 7, 75, 8, 0},
};

}  // namespace

const DialogTemplate kSplashTemplate = {
    dlg::kSplash, "", 160, 166, "MS Sans Serif", 8, ds::kBorderless | ds::kCentred, {}};

const DialogTemplate kStopwatchTemplate = {dlg::kStopwatch,
                                           "Timer",
                                           85,
                                           57,
                                           "MS Sans Serif",
                                           14,
                                           ds::kCaption | ds::kSysMenu | ds::kModalFrame,
                                           kStopwatchControls};

const DialogTemplate kPreferencesTemplate = {dlg::kPreferences,
                                             "Preferences",
                                             157,
                                             116,
                                             "MS Sans Serif",
                                             8,
                                             ds::kCaption | ds::kSysMenu | ds::kModalFrame,
                                             kPreferencesControls};

const DialogTemplate kDisclaimerTemplate = {
    dlg::kDisclaimer, "", 156, 177, "MS Sans Serif", 8, ds::kModalFrame, kDisclaimerControls};

const DialogTemplate kAboutTemplate = {dlg::kAbout,
                                       "About Orvane",
                                       157,
                                       111,
                                       "Tahoma",
                                       8,
                                       ds::kCaption | ds::kSysMenu | ds::kModalFrame |
                                           ds::kDoneButton | ds::kFullScreen | ds::kDoneOnly,
                                       kAboutControls};

}  // namespace orvane
