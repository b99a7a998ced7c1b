// The weight-and-balance sums: each station's moment, the total weight, the total moment and the
// centre of gravity.
//
// Weights and arms are in whatever units the pilot uses consistently (pounds and inches, kilograms
// and metres, ...); a moment is arm times weight in those units. The eight stations come in the
// sheet's order: Basic, Fuel, Row1, Row2, Row3, Bags1, Bags2, Aux.
//
// Nothing is checked: a negative weight or arm is summed like any other. A weight or arm that is
// not finite gives non-finite moments and totals (the dialog shows "----" and keeps the shared
// record's previous value).
#pragma once

#include <array>
#include <cstddef>

namespace orvane {

inline constexpr std::size_t kWeightBalanceStations = 8;

struct StationLoad {
    double weight;  // weight unit
    double arm;     // distance from the datum, arm unit, aft positive
};

struct WeightBalance {
    std::array<double, kWeightBalanceStations> moments;  // arm * weight, per station
    double totalWeight;  // the Basic weight, then each later station's weight added in order
    double totalMoment;  // the moments summed in station order
    // totalMoment / totalWeight when totalWeight > 0.0, else 0.0; NaN when totalWeight is not
    // finite.
    double centreOfGravity;
};

// The sums for the eight stations, in station order.
WeightBalance sumWeightBalance(const std::array<StationLoad, kWeightBalanceStations>& stations);

// Formats of the sheet: each moment and both totals "%1.1f", the centre of gravity "%1.2f".
inline constexpr const char* kMomentFormat = "%1.1f";
inline constexpr const char* kTotalFormat = "%1.1f";
inline constexpr const char* kCentreOfGravityFormat = "%1.2f";

}  // namespace orvane
