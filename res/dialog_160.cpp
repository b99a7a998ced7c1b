// Template 160: the Aircraft dialog. The list of aircraft with New, Rename and Delete under it,
// the name, the maximum take-off weight and the envelope fields, and the envelope's picture.
#include "res/dialogs.hpp"
#include "res/ids.hpp"

namespace orvane {

namespace {

using K = ControlKind;
namespace id = ctl::aircraft;
constexpr unsigned kEntry = cs::kTabStop | cs::kBorder | cs::kAutoScroll;
constexpr unsigned kButton = cs::kTabStop;

// Tahoma 8 gives about 1.5 pixels a unit across and 1.4 down: 157 by 169 units fill the device's
// dialog area as the other sheets do.
constexpr int kLeft = 3, kWidth = 151;
constexpr int kLabelW = 66, kFieldX = kLeft + kLabelW + 1;

// clang-format off
const ControlTemplate kControls[] = {
    // The drop-down list: one line, its list dropping over the dialog below.
    {id::kList, K::Combo, "", kLeft, 3, kWidth, 12, cs::kSorted | cs::kReadOnly | cs::kTabStop},
    {id::kNew, K::PushButton, "New", kLeft, 18, 48, 12, kButton},
    {id::kRename, K::PushButton, "Rename", 54, 18, 49, 12, kButton},
    {id::kDelete, K::PushButton, "Delete", 106, 18, 48, 12, kButton},

    {-1, K::Static, "Name", kLeft, 35, kLabelW, 8, 0},
    {id::kName, K::Edit, "", kFieldX, 33, kLeft + kWidth - kFieldX, 12, kEntry},
    {-1, K::Static, "Max take-off wt", kLeft, 49, kLabelW, 8, 0},
    {id::kMaxTakeOffWeight, K::Edit, "", kFieldX, 47, 50, 12, kEntry},
    {-1, K::Static, "Envelope: weight,cg; weight,cg; ...", kLeft, 62, kWidth, 8, 0},
    {id::kEnvelope, K::Edit, "", kLeft, 71, kWidth, 12, kEntry},

    {id::kEnvelopePicture, K::Static, "", kLeft, 86, kWidth, 80, cs::kOwnerDraw},
};
// clang-format on

}  // namespace

const DialogTemplate kAircraftTemplate = {
    dlg::kAircraft, "Aircraft", 157, 169, "Tahoma", 8,
    // Done keeps the limits typed; there is no way out that would drop them unchecked.
    ds::kCaption | ds::kContextHelp | ds::kDoneButton | ds::kDoneOnly, kControls};

}  // namespace orvane
