// Template 151: the point of no return. The endurance (Full power) and the reduced-power TAS
// (Failed eng) share one place; the dialog shows one or the other, with the fuel fields, by mode.
#include "res/dialogs.hpp"

namespace orvane {

namespace {

using K = ControlKind;
constexpr unsigned kEntry = cs::kTabStop | cs::kBorder | cs::kAutoScroll;
constexpr unsigned kResult = cs::kReadOnly | cs::kBorder | cs::kAutoScroll;

const ControlTemplate kControls[] = {
    {-1, K::GroupBox, "", 3, 2, 151, 128, 0},
    {1090, K::RadioButton, "Full power", 9, 7, 64, 10, cs::kGroup | cs::kTabStop},
    {1091, K::RadioButton, "Failed eng", 82, 7, 64, 10, 0},
    {1082, K::Static, "Endurance (h:mm)", 82, 20, 68, 8, 0},
    {1083, K::Edit, "", 82, 29, 50, 12, kEntry},
    {1100, K::Static, "Red pwr TAS (kt)", 82, 20, 68, 8, 0},
    {1094, K::Edit, "", 82, 29, 50, 12, kEntry},
    {1084, K::Static, "Course (\u00b0)", 9, 20, 68, 8, 0},
    {1085, K::Edit, "", 9, 29, 50, 12, kEntry},
    {1086, K::Static, "Wind direction (\u00b0)", 9, 43, 68, 8, 0},
    {1087, K::Edit, "", 9, 52, 50, 12, kEntry},
    {1088, K::Static, "Wind speed (kt)", 9, 66, 68, 8, 0},
    {1089, K::Edit, "", 9, 75, 50, 12, kEntry},
    {1092, K::Static, "Normal TAS (kt)", 9, 89, 68, 8, 0},
    {1093, K::Edit, "", 9, 98, 50, 12, kEntry},
    {1113, K::GroupBox, "Fuel", 79, 43, 71, 80, 0},
    {1098, K::Static, "Total minus resv", 84, 53, 64, 8, 0},
    {1099, K::Edit, "", 84, 62, 50, 12, kEntry},
    {1095, K::Static, "Normal flow", 84, 76, 64, 8, 0},
    {1096, K::Edit, "", 84, 85, 50, 12, kEntry},
    {1070, K::Static, "Red pwr flow", 84, 99, 64, 8, 0},
    {1097, K::Edit, "", 84, 108, 50, 12, kEntry},
    {1101, K::PushButton, "Calculate", 9, 114, 50, 13, cs::kDefault | cs::kTabStop},
    {-1, K::GroupBox, "Point of no return", 3, 133, 151, 30, 0},
    {1102, K::Static, "Time to", 8, 147, 28, 8, 0},
    {1103, K::Edit, "", 37, 145, 30, 12, kResult},
    {1104, K::Static, "Distance to", 71, 147, 40, 8, 0},
    {1105, K::Edit, "", 112, 145, 38, 12, kResult},
};

}  // namespace

const DialogTemplate kPointOfNoReturnTemplate = {
    151,
    "Pt of no return",
    157,
    165,
    "Tahoma",
    8,
    ds::kCaption | ds::kContextHelp | ds::kDoneButton | ds::kDoneOnly,
    kControls};

}  // namespace orvane
