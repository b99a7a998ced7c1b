// Template 119: the conversions calculator. Seven category radio buttons in two columns at the
// top, then six value rows, each an edit field with its unit label to the right. The template
// shows Volume (rows 1 to 3); rows 4 to 6 belong to Volume to Weight only.
#include "res/dialogs.hpp"
#include "res/ids.hpp"

namespace orvane {

namespace {

using K = ControlKind;
namespace id = ctl::conversions;
constexpr unsigned kEntry = cs::kTabStop | cs::kBorder | cs::kAutoScroll;

// At 12 points a unit is 2.25 pixels across and 2.375 down: the 106 by 114 units are about 239
// by 271 pixels. The radio columns are wide enough for "Temperature" beside its button and
// "Volume to Weight" on its own line.
constexpr int kLeftX = 3, kLeftW = 44;
constexpr int kRightX = 50, kRightW = 55;
constexpr int kRadioY = 2, kRadioPitch = 9, kRadioH = 9;
constexpr int radioY(int n) {
    return kRadioY + n * kRadioPitch;
}

// A field is wide enough for a nine-figure result ("228640.51"); the unit labels take the rest,
// and the last one ("Specific gravity (sg)") wraps onto a second line below its field.
constexpr int kFieldX = 3, kFieldW = 41;
constexpr int kUnitX = 45, kUnitW = 61;
constexpr int kRowY = 41, kRowPitch = 12, kEditH = 11, kTextH = 8;
constexpr int rowY(int n) {
    return kRowY + n * kRowPitch;
}
constexpr int unitY(int n) {
    return rowY(n) + 2;
}

// clang-format off
const ControlTemplate kControls[] = {
    {id::kVolume, K::RadioButton, "Volume", kLeftX, radioY(0), kLeftW, kRadioH, cs::kGroup | cs::kTabStop},
    {id::kWeight, K::RadioButton, "Weight", kRightX, radioY(0), kRightW, kRadioH, 0},
    {id::kDistance, K::RadioButton, "Distance", kLeftX, radioY(1), kLeftW, kRadioH, 0},
    {id::kTemperature, K::RadioButton, "Temperature", kRightX, radioY(1), kRightW, kRadioH, 0},
    {id::kPressure, K::RadioButton, "Pressure", kLeftX, radioY(2), kLeftW, kRadioH, 0},
    {id::kAirspeed, K::RadioButton, "Airspeed", kRightX, radioY(2), kRightW, kRadioH, 0},
    {id::kVolumeToWeight, K::RadioButton, "Volume to Weight", kLeftX, radioY(3), kLeftW + kRightW, kRadioH, 0},

    {id::kRow1, K::Edit, "", kFieldX, rowY(0), kFieldW, kEditH, kEntry},
    {id::kRow1Unit, K::Static, "Litres (ltr)", kUnitX, unitY(0), kUnitW, kTextH, 0},
    {id::kRow2, K::Edit, "", kFieldX, rowY(1), kFieldW, kEditH, kEntry},
    {id::kRow2Unit, K::Static, "Imp Galls (img)", kUnitX, unitY(1), kUnitW, kTextH, 0},
    {id::kRow3, K::Edit, "", kFieldX, rowY(2), kFieldW, kEditH, kEntry},
    {id::kRow3Unit, K::Static, "US Galls (usg)", kUnitX, unitY(2), kUnitW, kTextH, 0},
    {id::kRow4, K::Edit, "", kFieldX, rowY(3), kFieldW, kEditH, kEntry | cs::kHidden},
    {id::kRow4Unit, K::Static, "Pounds (lb)", kUnitX, unitY(3), kUnitW, kTextH, cs::kHidden},
    {id::kRow5, K::Edit, "", kFieldX, rowY(4), kFieldW, kEditH, kEntry | cs::kHidden},
    {id::kRow5Unit, K::Static, "Kilograms (kg)", kUnitX, unitY(4), kUnitW, kTextH, cs::kHidden},
    {id::kRow6, K::Edit, "", kFieldX, rowY(5), kFieldW, kEditH, kEntry | cs::kHidden},
    {id::kRow6Unit, K::Static, "Specific gravity (sg)", kUnitX, rowY(5) - 2, kUnitW, 2 * kTextH, cs::kHidden},
};
// clang-format on

}  // namespace

// Three units deeper than the device's 114, for the wrapped specific-gravity label (the dialog
// fills the screen below its caption either way).
const DialogTemplate kConversionsTemplate = {
    dlg::kConversions,
    "Conversions",
    106,
    117,
    "Tahoma",
    12,
    ds::kCaption | ds::kContextHelp | ds::kDoneButton | ds::kDoneOnly,
    kControls};

}  // namespace orvane
