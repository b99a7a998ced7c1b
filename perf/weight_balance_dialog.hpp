// The weight-and-balance sheet (template 150): its eight station rows as data.
#pragma once

#include <array>

#include "perf/weight_balance.hpp"
#include "res/ids.hpp"
#include "shell/run_state.hpp"

namespace orvane {

// One row of the sheet: its label, the controls of its weight, arm and moment, and the arm
// constant of DefaultData that the row shows and stores (in tenths of the arm unit).
struct WeightBalanceStation {
    const char* label;
    int weightId;
    int armId;
    int momentId;  // read-only
    double DefaultData::*arm;
};

// In calculation order; the first row's weight is the aircraft's basic weight (whole units in
// DefaultData::basicWeight).
namespace weight_balance_rows {
using namespace ctl::weight_balance;
// clang-format off
inline constexpr std::array<WeightBalanceStation, kWeightBalanceStations> weightBalanceStations{{
    {"Basic", kBasicWeight, kBasicArm, kBasicMoment, &DefaultData::basicArm},
    {"Fuel",  kFuelWeight, kFuelArm, kFuelMoment, &DefaultData::fuelArm},
    {"Row1",  kRow1Weight, kRow1Arm, kRow1Moment, &DefaultData::row1Arm},
    {"Row2",  kRow2Weight, kRow2Arm, kRow2Moment, &DefaultData::row2Arm},
    {"Row3",  kRow3Weight, kRow3Arm, kRow3Moment, &DefaultData::row3Arm},
    {"Bags1", kBags1Weight, kBags1Arm, kBags1Moment, &DefaultData::bags1Arm},
    {"Bags2", kBags2Weight, kBags2Arm, kBags2Moment, &DefaultData::bags2Arm},
    {"Aux",   kAuxWeight, kAuxArm, kAuxMoment, &DefaultData::auxArm},
}};
// clang-format on
}  // namespace weight_balance_rows
using weight_balance_rows::weightBalanceStations;

// Arms are held in tenths of the arm unit and shown in whole units with one decimal.
inline constexpr double kArmShownPerHeld = 0.1;
inline constexpr double kArmHeldPerShown = 10.0;
inline constexpr const char* kArmFormat = "%1.1f";

// The help page of the sheet.
inline constexpr const char* kWeightBalanceHelp = "wbal.htp";

}  // namespace orvane
