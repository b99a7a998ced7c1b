// Template 153: sunrise and sunset for a position, in UTC.
#include "res/dialogs.hpp"

namespace orvane {

namespace {

using K = ControlKind;
constexpr unsigned kEntry = cs::kDigits | cs::kTabStop | cs::kBorder | cs::kAutoScroll;

const ControlTemplate kControls[] = {
    {1047, K::PushButton, "N", 26, 21, 14, 12, 0},
    {1037, K::Edit, "", 40, 21, 13, 12, kEntry},
    {1038, K::Edit, "", 53, 21, 13, 12, kEntry},
    {1039, K::Edit, "", 66, 21, 13, 12, kEntry},
    {1048, K::PushButton, "W", 26, 33, 11, 11, 0},
    {1040, K::Edit, "", 37, 32, 16, 12, kEntry},
    {1041, K::Edit, "", 53, 32, 13, 12, kEntry},
    {1042, K::Edit, "", 66, 32, 13, 12, kEntry},
    // Calculate sits below the Coordinates frame (the frame ends at 51), not across it.
    {1034, K::PushButton, "Calculate", 62, 51, 34, 9, cs::kDefault | cs::kTabStop},
    {1044, K::Edit, "", 15, 83, 32, 12,
     cs::kReadOnly | cs::kCentre | cs::kAutoScroll | cs::kBorder},
    // Sunset is centred as sunrise is, so that the two times read alike.
    {1054, K::Edit, "", 59, 83, 32, 12,
     cs::kReadOnly | cs::kCentre | cs::kAutoScroll | cs::kBorder},
    {1055, K::Static, "Sunrise", 15, 75, 30, 8, 0},
    {1056, K::Static, "Sunset", 59, 75, 32, 8, 0},
    {1057, K::GroupBox, "UTC time", 8, 61, 89, 42, 0},
    {-1, K::Static, "(d)dd\u00b0mm.mm'", 32, 12, 52, 8, 0},
    {-1, K::GroupBox, "Coordinates", 8, 2, 88, 49, 0},
};

}  // namespace

const DialogTemplate kSunriseSunsetTemplate = {
    153,
    "Sunrise - Sunset",
    105,
    112,
    "MS Sans Serif",
    12,
    ds::kCaption | ds::kSysMenu | ds::kModalFrame | ds::kDoneButton | ds::kDoneOnly,
    kControls};

}  // namespace orvane
