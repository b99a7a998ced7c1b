// Template 150: the weight-and-balance sheet. Eight station rows (label, weight, arm, moment)
// under the column headings, the totals in a frame below, and under them the line that says
// whether the loading is within the aircraft's limits.
#include "res/dialogs.hpp"
#include "res/ids.hpp"

namespace orvane {

namespace {

using K = ControlKind;
namespace id = ctl::weight_balance;
constexpr unsigned kEntry = cs::kTabStop | cs::kBorder | cs::kAutoScroll;
constexpr unsigned kResult = cs::kReadOnly | cs::kBorder | cs::kAutoScroll;

// Columns (x, width) and rows (y of row 1, pitch) in dialog units. Tahoma 8 gives about 1.5
// pixels a unit across and 1.4 down: the 157 by 169 units are about 235 by 236 pixels. The rows
// stand one unit apart so that the status line fits under the totals within those 169 units.
constexpr int kLabelX = 3, kLabelW = 24;
constexpr int kWeightX = 29, kWeightW = 38;
constexpr int kArmX = 70, kArmW = 34;
constexpr int kMomentX = 107, kMomentW = 47;
constexpr int kRowY = 12, kPitch = 12, kEditH = 11, kTextH = 8;
constexpr int rowY(int n) {
    return kRowY + n * kPitch;
}
constexpr int labelY(int n) {
    return rowY(n) + 2;
}

// The totals frame and its three rows, then the status line (two lines of text, for both
// faults at once).
constexpr int kFrameY = rowY(8) + 1, kFrameH = 42;
constexpr int kTotalLabelX = 10, kTotalLabelW = 62;
constexpr int kTotalX = 74, kTotalW = 50;
constexpr int totalY(int n) {
    return kFrameY + 5 + n * kPitch;
}
constexpr int kStatusY = kFrameY + kFrameH + 2, kStatusH = 2 * kTextH;

// clang-format off
const ControlTemplate kControls[] = {
    {-1, K::Static, "Weight", kWeightX, 3, kWeightW, kTextH, cs::kCentre},
    {-1, K::Static, "Arm", kArmX, 3, kArmW, kTextH, cs::kCentre},
    {-1, K::Static, "Moment", kMomentX, 3, kMomentW, kTextH, cs::kCentre},

    {-1, K::Static, "Basic", kLabelX, labelY(0), kLabelW, kTextH, 0},
    {id::kBasicWeight, K::Edit, "", kWeightX, rowY(0), kWeightW, kEditH, kEntry},
    {id::kBasicArm, K::Edit, "", kArmX, rowY(0), kArmW, kEditH, kEntry},
    {id::kBasicMoment, K::Edit, "", kMomentX, rowY(0), kMomentW, kEditH, kResult},

    {-1, K::Static, "Fuel", kLabelX, labelY(1), kLabelW, kTextH, 0},
    {id::kFuelWeight, K::Edit, "", kWeightX, rowY(1), kWeightW, kEditH, kEntry},
    {id::kFuelArm, K::Edit, "", kArmX, rowY(1), kArmW, kEditH, kEntry},
    {id::kFuelMoment, K::Edit, "", kMomentX, rowY(1), kMomentW, kEditH, kResult},

    {-1, K::Static, "Row1", kLabelX, labelY(2), kLabelW, kTextH, 0},
    {id::kRow1Weight, K::Edit, "", kWeightX, rowY(2), kWeightW, kEditH, kEntry},
    {id::kRow1Arm, K::Edit, "", kArmX, rowY(2), kArmW, kEditH, kEntry},
    {id::kRow1Moment, K::Edit, "", kMomentX, rowY(2), kMomentW, kEditH, kResult},

    {-1, K::Static, "Row2", kLabelX, labelY(3), kLabelW, kTextH, 0},
    {id::kRow2Weight, K::Edit, "", kWeightX, rowY(3), kWeightW, kEditH, kEntry},
    {id::kRow2Arm, K::Edit, "", kArmX, rowY(3), kArmW, kEditH, kEntry},
    {id::kRow2Moment, K::Edit, "", kMomentX, rowY(3), kMomentW, kEditH, kResult},

    {-1, K::Static, "Row3", kLabelX, labelY(4), kLabelW, kTextH, 0},
    {id::kRow3Weight, K::Edit, "", kWeightX, rowY(4), kWeightW, kEditH, kEntry},
    {id::kRow3Arm, K::Edit, "", kArmX, rowY(4), kArmW, kEditH, kEntry},
    {id::kRow3Moment, K::Edit, "", kMomentX, rowY(4), kMomentW, kEditH, kResult},

    {-1, K::Static, "Bags1", kLabelX, labelY(5), kLabelW, kTextH, 0},
    {id::kBags1Weight, K::Edit, "", kWeightX, rowY(5), kWeightW, kEditH, kEntry},
    {id::kBags1Arm, K::Edit, "", kArmX, rowY(5), kArmW, kEditH, kEntry},
    {id::kBags1Moment, K::Edit, "", kMomentX, rowY(5), kMomentW, kEditH, kResult},

    {-1, K::Static, "Bags2", kLabelX, labelY(6), kLabelW, kTextH, 0},
    {id::kBags2Weight, K::Edit, "", kWeightX, rowY(6), kWeightW, kEditH, kEntry},
    {id::kBags2Arm, K::Edit, "", kArmX, rowY(6), kArmW, kEditH, kEntry},
    {id::kBags2Moment, K::Edit, "", kMomentX, rowY(6), kMomentW, kEditH, kResult},

    {-1, K::Static, "Aux", kLabelX, labelY(7), kLabelW, kTextH, 0},
    {id::kAuxWeight, K::Edit, "", kWeightX, rowY(7), kWeightW, kEditH, kEntry},
    {id::kAuxArm, K::Edit, "", kArmX, rowY(7), kArmW, kEditH, kEntry},
    {id::kAuxMoment, K::Edit, "", kMomentX, rowY(7), kMomentW, kEditH, kResult},

    {-1, K::GroupBox, "", kLabelX, kFrameY, 157 - 2 * kLabelX, kFrameH, 0},
    {-1, K::Static, "Total Weight", kTotalLabelX, totalY(0) + 2, kTotalLabelW, kTextH, 0},
    {id::kTotalWeight, K::Edit, "", kTotalX, totalY(0), kTotalW, kEditH, kResult},
    {-1, K::Static, "Total Moment", kTotalLabelX, totalY(1) + 2, kTotalLabelW, kTextH, 0},
    {id::kTotalMoment, K::Edit, "", kTotalX, totalY(1), kTotalW, kEditH, kResult},
    {-1, K::Static, "Center of Gravity", kTotalLabelX, totalY(2) + 2, kTotalLabelW, kTextH, 0},
    {id::kCentreOfGravity, K::Edit, "", kTotalX, totalY(2), kTotalW, kEditH, kResult},
    {id::kLoadingStatus, K::Static, "", kLabelX, kStatusY, 157 - 2 * kLabelX, kStatusH, cs::kCentre},
};
// clang-format on

}  // namespace

const DialogTemplate kWeightBalanceTemplate = {
    dlg::kWeightBalance,
    "Wt and Balance",
    157,
    169,
    "Tahoma",
    8,
    ds::kCaption | ds::kContextHelp | ds::kDoneButton | ds::kDoneOnly,
    kControls};

}  // namespace orvane
