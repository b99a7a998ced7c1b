#include "res/menu.hpp"

namespace orvane {

namespace {

using menu::kNewColumn;
using menu::kPopup;
using menu::kSeparator;

const MenuItem kMenu102[] = {
    {0, "File", 0, kPopup},
    {1, "Flight planning", 0, kPopup},
    {2, "Gt circle - Rh line", 40013, 0},
    {2, "Hdg-Gnd speed", 40011, 0},
    {2, "Fuel planning", 40039, 0},
    {2, "", 0, kSeparator},
    {2, "Wt and balance", 40018, 0},
    {2, "Aircraft", 40041, 0},
    {2, "Costing", 40028, 0},
    {1, "Wind triangles", 0, kPopup},
    {2, "Trk-Ground speed", 40012, 0},
    {2, "Unknown wind", 40015, 0},
    {2, "Xwind components", 40016, 0},
    {1, "Alt-Airspeed", 0, kPopup},
    {2, "Press - Density alt", 40019, 0},
    {2, "True altitude", 40034, 0},
    {2, "TAS-RAS-MACH", 40021, 0},
    {1, "Vertical nav", 0, kPopup},
    {2, "Rate of climb", 40022, 0},
    {2, "Top of climb", 40035, 0},
    {2, "Rate of descent", 40025, 0},
    {2, "Top of descent", 40023, 0},
    {1, "Timer", 40026, 0},
    {1, "Conversions", 40006, 0},
    {1, "Utilities", 0, kPopup},
    {2, "Logbook totaliser", 40027, 0},
    {2, "Holding patterns", 40029, 0},
    {2, "Critical point", 40030, 0},
    {2, "Pt of no return", 40031, kNewColumn},
    {2, "Sunrise-Sunset", 40032, 0},
    {1, "", 0, kSeparator},
    {1, "Exit", 40002, 0},
    {0, "Tools", 0, kPopup},
    {1, "Help", 40036, 0},
    {1, "Preferences", 40038, 0},
    {1, "", 0, kSeparator},
    {1, "&About", 40003, 0},
};

const MenuBarButton kMenuBar102[] = {
    {40001, 40005, 0},
    {40007, 40014, 1},
};

const Accelerator kAccelerators3[] = {
    {'A', 40003},
    {'Q', 1},
};

struct StringResource {
    int id;
    const char* text;
};

const StringResource kStrings[] = {
    {1, "Orvane"},
    {3, "ORVANE"},
    {40005, "File"},
    {40014, "Tools"},
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
