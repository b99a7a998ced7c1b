#include "res/menu.hpp"

#include "res/ids.hpp"

namespace orvane {

namespace {

using menu::kNewColumn;
using menu::kPopup;
using menu::kSeparator;

const MenuItem kMenu102[] = {
    {0, "File", 0, kPopup},
    {1, "Flight planning", 0, kPopup},
    {2, "Gt circle - Rh line", cmd::kGreatCircle, 0},
    {2, "Hdg-Gnd speed", cmd::kHeadingGroundSpeed, 0},
    {2, "Fuel planning", cmd::kFuelPlanning, 0},
    {2, "", 0, kSeparator},
    {2, "Wt and balance", cmd::kWeightBalance, 0},
    {2, "Aircraft", cmd::kAircraft, 0},
    {2, "Costing", cmd::kCosting, 0},
    {1, "Wind triangles", 0, kPopup},
    {2, "Trk-Ground speed", cmd::kTrackGroundSpeed, 0},
    {2, "Unknown wind", cmd::kUnknownWind, 0},
    {2, "Xwind components", cmd::kCrosswind, 0},
    {1, "Alt-Airspeed", 0, kPopup},
    {2, "Press - Density alt", cmd::kPressureDensityAltitude, 0},
    {2, "True altitude", cmd::kTrueAltitude, 0},
    {2, "TAS-RAS-MACH", cmd::kAirspeed, 0},
    {1, "Vertical nav", 0, kPopup},
    {2, "Rate of climb", cmd::kRateOfClimb, 0},
    {2, "Top of climb", cmd::kTopOfClimb, 0},
    {2, "Rate of descent", cmd::kRateOfDescent, 0},
    {2, "Top of descent", cmd::kTopOfDescent, 0},
    {1, "Timer", cmd::kTimer, 0},
    {1, "Conversions", cmd::kConversions, 0},
    {1, "Utilities", 0, kPopup},
    {2, "Logbook totaliser", cmd::kLogbook, 0},
    {2, "Holding patterns", cmd::kHolding, 0},
    {2, "Critical point", cmd::kCriticalPoint, 0},
    {2, "Pt of no return", cmd::kPointOfNoReturn, kNewColumn},
    {2, "Sunrise-Sunset", cmd::kSunriseSunset, 0},
    {1, "", 0, kSeparator},
    {1, "Exit", cmd::kExit, 0},
    {0, "Tools", 0, kPopup},
    {1, "Help", cmd::kHelp, 0},
    {1, "Preferences", cmd::kPreferences, 0},
    {1, "", 0, kSeparator},
    {1, "&About", cmd::kAbout, 0},
};

const MenuBarButton kMenuBar102[] = {
    {cmd::kFileMenu, str::kFileMenu, 0},
    {cmd::kToolsMenu, str::kToolsMenu, 1},
};

const Accelerator kAccelerators3[] = {
    {'A', cmd::kAbout},
    {'N', cmd::kToggleNight},
    {'Q', cmd::kCloseRequest},
};

struct StringResource {
    int id;
    const char* text;
};

const StringResource kStrings[] = {
    {str::kTitle, "Orvane"},
    {str::kClassName, "ORVANE"},
    {str::kFileMenu, "File"},
    {str::kToolsMenu, "Tools"},
};

}  // namespace

std::span<const MenuItem> mainMenu() {
    return kMenu102;
}
std::span<const MenuBarButton> menuBarButtons() {
    return kMenuBar102;
}
std::span<const Accelerator> accelerators() {
    return kAccelerators3;
}

const char* loadString(int id) {
    for (const auto& s : kStrings) {
        if (s.id == id) {
            return s.text;
        }
    }
    return "";
}

}  // namespace orvane
