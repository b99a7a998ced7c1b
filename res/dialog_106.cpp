// Template 106: the calculator dialog shared by fourteen menu commands.
#include "res/dialogs.hpp"
#include "res/ids.hpp"

namespace orvane {

namespace {

using K = ControlKind;
namespace id = ctl::calculator;
constexpr unsigned kResult = cs::kReadOnly | cs::kBorder | cs::kAutoScroll;
constexpr unsigned kInput = cs::kTabStop;

const ControlTemplate kControls[] = {
    {id::kSecondResult, K::Edit, "", 84, 138, 52, 12, kResult},
    {id::kFirstInputLabel, K::Static, "Runway Heading (\u00b0)", 30, 7, 72, 8, 0},
    // As wide as the first label: the climb modes put "Current altitude (ft)" here.
    {id::kSecondInputLabel, K::Static, "Wind Direction (\u00b0)", 30, 33, 72, 8, 0},
    {id::kThirdInputLabel, K::Static, "Wind Speed (kt)", 30, 61, 62, 8, 0},
    {id::kSecondResultLabel, K::Static, "Crosswind", 84, 130, 59, 8, 0},
    {id::kFirstResult, K::Edit, "", 19, 138, 50, 12, kResult},
    {id::kFirstResultLabel, K::Static, "Headwind", 19, 130, 58, 8, 0},
    {id::kFirstInput, K::Combo, "", 30, 15, 56, 48, kInput},
    {id::kSecondInput, K::Combo, "", 30, 41, 56, 44, kInput},
    {id::kThirdInput, K::Combo, "", 30, 69, 56, 46, kInput},
    {id::kFourthInput, K::Combo, "", 30, 96, 56, 47, kInput | cs::kSorted | cs::kHidden},
    // Eight units high as the other labels, ending where its field 1040 begins.
    {id::kFourthInputLabel, K::Static, "Wind Speed", 30, 88, 88, 8, cs::kHidden},
    // Wide enough for "Add to total" (the logbook mode), ending where it always did.
    {id::kCalculate, K::PushButton, "Calculate", 89, 100, 50, 15, cs::kDefault | cs::kTabStop},
    {id::kResultFrame, K::GroupBox, "", 8, 122, 141, 32, 0},
    // Deep enough that Calculate (ending at 115) sits inside the frame, not on its line.
    {-1, K::GroupBox, "", 17, 0, 123, 118, 0},
};

}  // namespace

const DialogTemplate kCalculatorTemplate = {
    dlg::kCalculator,
    "Xwind component",
    156,
    166,
    "Tahoma",
    8,
    ds::kCaption | ds::kContextHelp | ds::kDoneButton | ds::kDoneOnly,
    kControls};

}  // namespace orvane
