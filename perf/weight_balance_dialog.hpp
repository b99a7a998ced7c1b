// The weight-and-balance sheet (template 150): its eight station rows as data.
#pragma once

#include <array>

#include "perf/weight_balance.hpp"
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
// clang-format off
inline constexpr std::array<WeightBalanceStation, kWeightBalanceStations> weightBalanceStations{{
    {"Basic", 1074, 1075, 1013, &DefaultData::basicArm},
    {"Fuel",  1020, 1076, 1014, &DefaultData::fuelArm},
    {"Row1",  1021, 1077, 1015, &DefaultData::row1Arm},
    {"Row2",  1022, 1008, 1016, &DefaultData::row2Arm},
    {"Row3",  1023, 1009, 1017, &DefaultData::row3Arm},
    {"Bags1", 1024, 1010, 1018, &DefaultData::bags1Arm},
    {"Bags2", 1078, 1011, 1027, &DefaultData::bags2Arm},
    {"Aux",   1026, 1079, 1028, &DefaultData::auxArm},
}};
// clang-format on

// The totals below the table (read-only).
inline constexpr int kTotalWeightId = 1071;
inline constexpr int kTotalMomentId = 1072;
inline constexpr int kCentreOfGravityId = 1073;

// Arms are held in tenths of the arm unit and shown in whole units with one decimal.
inline constexpr double kArmShownPerHeld = 0.1;
inline constexpr double kArmHeldPerShown = 10.0;
inline constexpr const char* kArmFormat = "%1.1f";

// The help page of the sheet.
inline constexpr const char* kWeightBalanceHelp = "wbal.htp";

}  // namespace orvane
