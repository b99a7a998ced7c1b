// Template 106: the calculator dialog shared by fourteen menu commands.
#include "res/dialogs.hpp"

namespace orvane {

namespace {

using K = ControlKind;
constexpr unsigned kResult = cs::kReadOnly | cs::kBorder | cs::kAutoScroll;
constexpr unsigned kInput = cs::kTabStop;

const ControlTemplate kControls[] = {
    {1007, K::Edit, "", 84, 138, 52, 12, kResult},
    {1008, K::Static, "Runway Heading (\u00b0)", 30, 7, 72, 8, 0},
    // As wide as the first label: the climb modes put "Current altitude (ft)" here.
    {1009, K::Static, "Wind Direction (\u00b0)", 30, 33, 72, 8, 0},
    {1010, K::Static, "Wind Speed (kt)", 30, 61, 62, 8, 0},
    {1011, K::Static, "Crosswind", 84, 130, 59, 8, 0},
    {1012, K::Edit, "", 19, 138, 50, 12, kResult},
    {1013, K::Static, "Headwind", 19, 130, 58, 8, 0},
    {1016, K::Combo, "", 30, 15, 56, 48, kInput},
    {1038, K::Combo, "", 30, 41, 56, 44, kInput},
    {1039, K::Combo, "", 30, 69, 56, 46, kInput},
    {1040, K::Combo, "", 30, 96, 56, 47, kInput | cs::kSorted | cs::kHidden},
    // Eight units high as the other labels, ending where its field 1040 begins.
    {1014, K::Static, "Wind Speed", 30, 88, 88, 8, cs::kHidden},
    // Wide enough for "Add to total" (the logbook mode), ending where it always did.
    {1004, K::PushButton, "Calculate", 89, 100, 50, 15, cs::kDefault | cs::kTabStop},
    {1109, K::GroupBox, "", 8, 122, 141, 32, 0},
    // Deep enough that Calculate (ending at 115) sits inside the frame, not on its line.
    {-1, K::GroupBox, "", 17, 0, 123, 118, 0},
};

}  // namespace

const DialogTemplate kCalculatorTemplate = {
    106,
    "Xwind component",
    156,
    166,
    "Tahoma",
    8,
    ds::kCaption | ds::kContextHelp | ds::kDoneButton | ds::kDoneOnly,
    kControls};

}  // namespace orvane
