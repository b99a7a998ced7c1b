// Template 149: the critical point (equal-time point) of a leg. Each input sits in a titled
// frame that serves as its label.
#include "res/dialogs.hpp"
#include "res/ids.hpp"

namespace orvane {

namespace {

using K = ControlKind;
namespace id = ctl::critical_point;
constexpr unsigned kEntry = cs::kTabStop | cs::kBorder | cs::kAutoScroll;
constexpr unsigned kResult = cs::kReadOnly | cs::kBorder | cs::kAutoScroll;

const ControlTemplate kControls[] = {
    {-1, K::GroupBox, "", 3, 2, 150, 106, 0},
    {-1, K::GroupBox, "Total distance (nm)", 7, 8, 70, 26, 0},
    {id::kTotalDistance, K::Edit, "", 12, 18, 60, 12, kEntry},
    {-1, K::GroupBox, "Course (\u00b0)", 79, 8, 70, 26, 0},
    {id::kCourse, K::Edit, "", 84, 18, 60, 12, kEntry},
    {-1, K::GroupBox, "Wind direction (\u00b0)", 7, 36, 70, 26, 0},
    {id::kWindDirection, K::Edit, "", 12, 46, 60, 12, kEntry},
    {-1, K::GroupBox, "Wind speed (kt)", 79, 36, 70, 26, 0},
    {id::kWindSpeed, K::Edit, "", 84, 46, 60, 12, kEntry},
    {-1, K::GroupBox, "Full pwr TAS (kt)", 7, 64, 70, 26, 0},
    {id::kFullPowerTas, K::Edit, "", 12, 74, 60, 12, kEntry},
    {-1, K::GroupBox, "Red pwr TAS (kt)", 79, 64, 70, 26, 0},
    {id::kReducedPowerTas, K::Edit, "", 84, 74, 60, 12, kEntry},
    {id::kCalculate, K::PushButton, "Calculate", 53, 92, 50, 13, cs::kDefault | cs::kTabStop},
    {-1, K::GroupBox, "Critical point", 3, 112, 150, 48, 0},
    {id::kDistanceLabel, K::Static, "Distance to", 12, 126, 60, 8, 0},
    {id::kDistance, K::Edit, "", 76, 124, 68, 12, kResult},
    {id::kTimeLabel, K::Static, "Time to", 12, 142, 60, 8, 0},
    {id::kTime, K::Edit, "", 76, 140, 68, 12, kResult},
};

}  // namespace

const DialogTemplate kCriticalPointTemplate = {
    dlg::kCriticalPoint,
    "Critical Point",
    156,
    166,
    "Tahoma",
    8,
    ds::kCaption | ds::kContextHelp | ds::kDoneButton | ds::kDoneOnly,
    kControls};

}  // namespace orvane
