// Template 148: TAS, RAS and Mach number for an altitude and a temperature.
#include "res/dialogs.hpp"

namespace orvane {

namespace {

using K = ControlKind;
constexpr unsigned kEntry = cs::kTabStop | cs::kBorder | cs::kAutoScroll;

const ControlTemplate kControls[] = {
    {-1, K::GroupBox, "", 6, 4, 144, 46, 0},
    {1054, K::Static, "Altitude (ft)", 14, 16, 64, 8, 0},
    {1055, K::Edit, "", 82, 14, 58, 12, kEntry},
    {1056, K::Static, "Temperature ( F)", 14, 32, 64, 8, 0},
    {1020, K::Edit, "", 82, 30, 58, 12, kEntry},
    {-1, K::GroupBox, "", 6, 56, 144, 96, 0},
    {1062, K::Static, "TAS", 14, 70, 64, 8, 0},
    {1057, K::Edit, "", 82, 68, 58, 12, kEntry},
    {1061, K::Static, "RAS", 14, 88, 64, 8, 0},
    {1058, K::Edit, "", 82, 86, 58, 12, kEntry},
    {1060, K::Static, "Mach No", 14, 106, 64, 8, 0},
    {1059, K::Edit, "", 82, 104, 58, 12, kEntry},
    {1064, K::Static, "LSS : 689.3KT", 14, 128, 126, 8, cs::kCentre},
};

}  // namespace

const DialogTemplate kAirspeedTemplate = {
    148,
    "TAS - RAS - MACH",
    156,
    166,
    "Tahoma",
    8,
    ds::kCaption | ds::kContextHelp | ds::kDoneButton | ds::kDoneOnly,
    kControls};

}  // namespace orvane
