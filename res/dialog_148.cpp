// Template 148: TAS, RAS and Mach number for an altitude and a temperature.
#include "res/dialogs.hpp"
#include "res/ids.hpp"

namespace orvane {

namespace {

using K = ControlKind;
namespace id = ctl::airspeed;
constexpr unsigned kEntry = cs::kTabStop | cs::kBorder | cs::kAutoScroll;

const ControlTemplate kControls[] = {
    {-1, K::GroupBox, "", 6, 4, 144, 46, 0},
    {id::kAltitudeLabel, K::Static, "Altitude (ft)", 14, 16, 64, 8, 0},
    {id::kAltitude, K::Edit, "", 82, 14, 58, 12, kEntry},
    {id::kTemperatureLabel, K::Static, "Temperature ( F)", 14, 32, 64, 8, 0},
    {id::kTemperature, K::Edit, "", 82, 30, 58, 12, kEntry},
    {-1, K::GroupBox, "", 6, 56, 144, 96, 0},
    {id::kTasLabel, K::Static, "TAS", 14, 70, 64, 8, 0},
    {id::kTas, K::Edit, "", 82, 68, 58, 12, kEntry},
    {id::kRasLabel, K::Static, "RAS", 14, 88, 64, 8, 0},
    {id::kRas, K::Edit, "", 82, 86, 58, 12, kEntry},
    {id::kMachLabel, K::Static, "Mach No", 14, 106, 64, 8, 0},
    {id::kMach, K::Edit, "", 82, 104, 58, 12, kEntry},
    {id::kSpeedOfSound, K::Static, "LSS : 689.3KT", 14, 128, 126, 8, cs::kCentre},
};

}  // namespace

const DialogTemplate kAirspeedTemplate = {
    dlg::kAirspeed,
    "TAS - RAS - MACH",
    156,
    166,
    "Tahoma",
    8,
    ds::kCaption | ds::kContextHelp | ds::kDoneButton | ds::kDoneOnly,
    kControls};

}  // namespace orvane
