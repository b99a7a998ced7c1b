// Template 154: great circle and rhumb line between two positions.
#include "res/dialogs.hpp"
#include "res/ids.hpp"

namespace orvane {

namespace {

using K = ControlKind;
namespace id = ctl::great_circle;
constexpr unsigned kEntry = cs::kDigits | cs::kTabStop | cs::kBorder | cs::kAutoScroll;
constexpr unsigned kResult = cs::kReadOnly | cs::kAutoScroll | cs::kBorder;
constexpr const char* kHint = "(d)dd\u00b0mm.mm'";

const ControlTemplate kControls[] = {
    {-1, K::GroupBox, "From", 2, 0, 62, 41, 0},
    {-1, K::Static, kHint, 10, 8, 53, 8, 0},
    {id::kFromLatitudeHemisphere, K::PushButton, "N", 5, 16, 14, 12, 0},
    {id::kFromLatitudeDegrees, K::Edit, "", 19, 16, 13, 12, kEntry},
    {id::kFromLatitudeMinutes, K::Edit, "", 32, 16, 13, 12, kEntry},
    {id::kFromLatitudeHundredths, K::Edit, "", 45, 16, 13, 12, kEntry},
    {id::kFromLongitudeHemisphere, K::PushButton, "W", 5, 28, 11, 11, 0},
    {id::kFromLongitudeDegrees, K::Edit, "", 16, 27, 16, 12, kEntry},
    {id::kFromLongitudeMinutes, K::Edit, "", 32, 27, 13, 12, kEntry},
    {id::kFromLongitudeHundredths, K::Edit, "", 45, 27, 13, 12, kEntry},
    {-1, K::GroupBox, "To", 71, 0, 62, 41, 0},
    {-1, K::Static, kHint, 79, 8, 52, 8, 0},
    {id::kToLatitudeHemisphere, K::PushButton, "N", 74, 16, 14, 12, 0},
    {id::kToLatitudeDegrees, K::Edit, "", 88, 16, 13, 12, kEntry},
    {id::kToLatitudeMinutes, K::Edit, "", 101, 16, 13, 12, kEntry},
    {id::kToLatitudeHundredths, K::Edit, "", 114, 16, 13, 12, kEntry},
    {id::kToLongitudeHemisphere, K::PushButton, "W", 74, 28, 11, 11, 0},
    {id::kToLongitudeDegrees, K::Edit, "", 85, 27, 16, 12, kEntry},
    {id::kToLongitudeMinutes, K::Edit, "", 101, 27, 13, 12, kEntry},
    {id::kToLongitudeHundredths, K::Edit, "", 114, 27, 13, 12, kEntry},
    {id::kCalculate, K::PushButton, "Calculate", 45, 42, 43, 10, cs::kDefault | cs::kTabStop},
    {id::kGreatCircleFrame, K::GroupBox, "Great circle", 14, 53, 103, 31, 0},
    {id::kInitialCourseLabel, K::Static, "Initial course", 21, 62, 44, 8, 0},
    {id::kInitialCourse, K::Edit, "", 21, 70, 41, 12, kResult},
    {id::kGreatCircleDistanceLabel, K::Static, "Distance", 73, 62, 37, 8, 0},
    {id::kGreatCircleDistance, K::Edit, "", 73, 70, 41, 12, kResult},
    {id::kRhumbLineFrame, K::GroupBox, "Rhumb line", 15, 86, 103, 45, 0},
    {id::kRhumbCourseLabel, K::Static, "Course", 22, 94, 25, 8, 0},
    {id::kRhumbCourse, K::Edit, "", 22, 102, 41, 12, kResult},
    {id::kRhumbDistanceLabel, K::Static, "Distance", 74, 94, 37, 8, 0},
    {id::kRhumbDistance, K::Edit, "", 74, 102, 41, 12, kResult},
    {-1, K::Static, "avg mag var", 28, 119, 42, 8, 0},
    {id::kVariation, K::Edit, "", 74, 117, 28, 12, kResult},
};

}  // namespace

const DialogTemplate kGreatCircleTemplate = {
    dlg::kGreatCircle,
    "Gt circle - Rh line",
    134,
    136,
    "Tahoma",
    10,
    ds::kCaption | ds::kSysMenu | ds::kModalFrame | ds::kDoneButton,
    kControls};

}  // namespace orvane
