// Template 153: sunrise and sunset for a position, in UTC.
#include "res/dialogs.hpp"
#include "res/ids.hpp"

namespace orvane {

namespace {

using K = ControlKind;
namespace id = ctl::sunrise_sunset;
constexpr unsigned kEntry = cs::kDigits | cs::kTabStop | cs::kBorder | cs::kAutoScroll;

const ControlTemplate kControls[] = {
    {id::kLatitudeHemisphere, K::PushButton, "N", 26, 21, 14, 12, 0},
    {id::kLatitudeDegrees, K::Edit, "", 40, 21, 13, 12, kEntry},
    {id::kLatitudeMinutes, K::Edit, "", 53, 21, 13, 12, kEntry},
    {id::kLatitudeHundredths, K::Edit, "", 66, 21, 13, 12, kEntry},
    {id::kLongitudeHemisphere, K::PushButton, "W", 26, 33, 11, 11, 0},
    {id::kLongitudeDegrees, K::Edit, "", 37, 32, 16, 12, kEntry},
    {id::kLongitudeMinutes, K::Edit, "", 53, 32, 13, 12, kEntry},
    {id::kLongitudeHundredths, K::Edit, "", 66, 32, 13, 12, kEntry},
    // Calculate sits below the Coordinates frame (the frame ends at 51), not across it.
    {id::kCalculate, K::PushButton, "Calculate", 62, 51, 34, 9, cs::kDefault | cs::kTabStop},
    {id::kSunrise, K::Edit, "", 15, 83, 32, 12,
     cs::kReadOnly | cs::kCentre | cs::kAutoScroll | cs::kBorder},
    // Sunset is centred as sunrise is, so that the two times read alike.
    {id::kSunset, K::Edit, "", 59, 83, 32, 12,
     cs::kReadOnly | cs::kCentre | cs::kAutoScroll | cs::kBorder},
    {id::kSunriseLabel, K::Static, "Sunrise", 15, 75, 30, 8, 0},
    {id::kSunsetLabel, K::Static, "Sunset", 59, 75, 32, 8, 0},
    {id::kDateFrame, K::GroupBox, "UTC time", 8, 61, 89, 42, 0},
    {-1, K::Static, "(d)dd\u00b0mm.mm'", 32, 12, 52, 8, 0},
    {-1, K::GroupBox, "Coordinates", 8, 2, 88, 49, 0},
};

}  // namespace

const DialogTemplate kSunriseSunsetTemplate = {
    dlg::kSunriseSunset,
    "Sunrise - Sunset",
    105,
    112,
    "MS Sans Serif",
    12,
    ds::kCaption | ds::kSysMenu | ds::kModalFrame | ds::kDoneButton | ds::kDoneOnly,
    kControls};

}  // namespace orvane
