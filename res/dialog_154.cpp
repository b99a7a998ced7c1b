// Template 154: great circle and rhumb line between two positions.
#include "res/dialogs.hpp"

namespace orvane {

namespace {

using K = ControlKind;
constexpr unsigned kEntry = cs::kDigits | cs::kTabStop | cs::kBorder | cs::kAutoScroll;
constexpr unsigned kResult = cs::kReadOnly | cs::kAutoScroll | cs::kBorder;
constexpr const char* kHint = "(d)dd\u00b0mm.mm'";

const ControlTemplate kControls[] = {
    {-1, K::GroupBox, "From", 2, 0, 62, 41, 0},
    {-1, K::Static, kHint, 10, 8, 53, 8, 0},
    {1047, K::PushButton, "N", 5, 16, 14, 12, 0},
    {1037, K::Edit, "", 19, 16, 13, 12, kEntry},
    {1038, K::Edit, "", 32, 16, 13, 12, kEntry},
    {1039, K::Edit, "", 45, 16, 13, 12, kEntry},
    {1048, K::PushButton, "W", 5, 28, 11, 11, 0},
    {1040, K::Edit, "", 16, 27, 16, 12, kEntry},
    {1041, K::Edit, "", 32, 27, 13, 12, kEntry},
    {1042, K::Edit, "", 45, 27, 13, 12, kEntry},
    {-1, K::GroupBox, "To", 71, 0, 62, 41, 0},
    {-1, K::Static, kHint, 79, 8, 52, 8, 0},
    {1046, K::PushButton, "N", 74, 16, 14, 12, 0},
    {1033, K::Edit, "", 88, 16, 13, 12, kEntry},
    {1035, K::Edit, "", 101, 16, 13, 12, kEntry},
    {1036, K::Edit, "", 114, 16, 13, 12, kEntry},
    {1045, K::PushButton, "W", 74, 28, 11, 11, 0},
    {1043, K::Edit, "", 85, 27, 16, 12, kEntry},
    {1029, K::Edit, "", 101, 27, 13, 12, kEntry},
    {1030, K::Edit, "", 114, 27, 13, 12, kEntry},
    {1034, K::PushButton, "Calculate", 45, 42, 43, 10, cs::kDefault | cs::kTabStop},
    {1053, K::GroupBox, "Great circle", 14, 53, 103, 31, 0},
    {1051, K::Static, "Initial course", 21, 62, 44, 8, 0},
    {1031, K::Edit, "", 21, 70, 41, 12, kResult},
    {1052, K::Static, "Distance", 73, 62, 37, 8, 0},
    {1032, K::Edit, "", 73, 70, 41, 12, kResult},
    {1057, K::GroupBox, "Rhumb line", 15, 86, 103, 45, 0},
    {1055, K::Static, "Course", 22, 94, 25, 8, 0},
    {1044, K::Edit, "", 22, 102, 41, 12, kResult},
    {1056, K::Static, "Distance", 74, 94, 37, 8, 0},
    {1054, K::Edit, "", 74, 102, 41, 12, kResult},
    {-1, K::Static, "avg mag var", 28, 119, 42, 8, 0},
    {1106, K::Edit, "", 74, 117, 28, 12, kResult},
};

}  // namespace

const DialogTemplate kGreatCircleTemplate = {
    154,
    "Gt circle - Rh line",
    134,
    136,
    "Tahoma",
    10,
    ds::kCaption | ds::kSysMenu | ds::kModalFrame | ds::kDoneButton,
    kControls};

}  // namespace orvane
