// Template 151: the point of no return. The endurance (Full power) and the reduced-power TAS
// (Failed eng) share one place; the dialog shows one or the other, with the fuel fields, by mode.
#include "res/dialogs.hpp"
#include "res/ids.hpp"

namespace orvane {

namespace {

using K = ControlKind;
namespace id = ctl::point_of_no_return;
constexpr unsigned kEntry = cs::kTabStop | cs::kBorder | cs::kAutoScroll;
constexpr unsigned kResult = cs::kReadOnly | cs::kBorder | cs::kAutoScroll;

const ControlTemplate kControls[] = {
    {-1, K::GroupBox, "", 3, 2, 151, 128, 0},
    {id::kFullPower, K::RadioButton, "Full power", 9, 7, 64, 10, cs::kGroup | cs::kTabStop},
    {id::kFailedEngine, K::RadioButton, "Failed eng", 82, 7, 64, 10, 0},
    {id::kEnduranceLabel, K::Static, "Endurance (h:mm)", 82, 20, 68, 8, 0},
    {id::kEndurance, K::Edit, "", 82, 29, 50, 12, kEntry},
    {id::kReducedPowerTasLabel, K::Static, "Red pwr TAS (kt)", 82, 20, 68, 8, 0},
    {id::kReducedPowerTas, K::Edit, "", 82, 29, 50, 12, kEntry},
    {id::kCourseLabel, K::Static, "Course (\u00b0)", 9, 20, 68, 8, 0},
    {id::kCourse, K::Edit, "", 9, 29, 50, 12, kEntry},
    {id::kWindDirectionLabel, K::Static, "Wind direction (\u00b0)", 9, 43, 68, 8, 0},
    {id::kWindDirection, K::Edit, "", 9, 52, 50, 12, kEntry},
    {id::kWindSpeedLabel, K::Static, "Wind speed (kt)", 9, 66, 68, 8, 0},
    {id::kWindSpeed, K::Edit, "", 9, 75, 50, 12, kEntry},
    {id::kNormalTasLabel, K::Static, "Normal TAS (kt)", 9, 89, 68, 8, 0},
    {id::kNormalTas, K::Edit, "", 9, 98, 50, 12, kEntry},
    {id::kFuelFrame, K::GroupBox, "Fuel", 79, 43, 71, 80, 0},
    {id::kUsableFuelLabel, K::Static, "Total minus resv", 84, 53, 64, 8, 0},
    {id::kUsableFuel, K::Edit, "", 84, 62, 50, 12, kEntry},
    {id::kNormalFlowLabel, K::Static, "Normal flow", 84, 76, 64, 8, 0},
    {id::kNormalFlow, K::Edit, "", 84, 85, 50, 12, kEntry},
    {id::kReducedPowerFlowLabel, K::Static, "Red pwr flow", 84, 99, 64, 8, 0},
    {id::kReducedPowerFlow, K::Edit, "", 84, 108, 50, 12, kEntry},
    {id::kCalculate, K::PushButton, "Calculate", 9, 114, 50, 13, cs::kDefault | cs::kTabStop},
    {-1, K::GroupBox, "Point of no return", 3, 133, 151, 30, 0},
    {id::kTimeLabel, K::Static, "Time to", 8, 147, 28, 8, 0},
    {id::kTime, K::Edit, "", 37, 145, 30, 12, kResult},
    {id::kDistanceLabel, K::Static, "Distance to", 71, 147, 40, 8, 0},
    {id::kDistance, K::Edit, "", 112, 145, 38, 12, kResult},
};

}  // namespace

const DialogTemplate kPointOfNoReturnTemplate = {
    dlg::kPointOfNoReturn,
    "Pt of no return",
    157,
    165,
    "Tahoma",
    8,
    ds::kCaption | ds::kContextHelp | ds::kDoneButton | ds::kDoneOnly,
    kControls};

}  // namespace orvane
