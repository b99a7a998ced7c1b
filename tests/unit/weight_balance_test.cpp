#include "perf/weight_balance.hpp"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "calc/numbers.hpp"

namespace orvane {
namespace {

using Stations = std::array<StationLoad, kWeightBalanceStations>;

TEST(WeightBalance, TypicalLoadingSheet) {
    // Basic, Fuel, Row1, Row2, Row3, Bags1, Bags2, Aux.
    const Stations stations{
        {{1250, 85.0}, {180, 95.0}, {340, 80.5}, {0, 0}, {0, 0}, {40, 142.0}, {0, 0}, {0, 0}}};
    const WeightBalance wb = sumWeightBalance(stations);
    const char* moments[] = {"106250.0", "17100.0", "27370.0", "0.0",
                             "0.0",      "5680.0",  "0.0",     "0.0"};
    for (std::size_t i = 0; i < kWeightBalanceStations; ++i) {
        EXPECT_EQ(formatReal(kMomentFormat, wb.moments[i]), moments[i]) << i;
    }
    EXPECT_EQ(formatReal(kTotalFormat, wb.totalWeight), "1810.0");
    EXPECT_EQ(formatReal(kTotalFormat, wb.totalMoment), "156400.0");
    EXPECT_EQ(formatReal(kCentreOfGravityFormat, wb.centreOfGravity), "86.41");
    EXPECT_DOUBLE_EQ(wb.centreOfGravity, 156400.0 / 1810.0);
}

TEST(WeightBalance, NoPositiveTotalWeightGivesZeroCentreOfGravity) {
    const Stations empty{};
    const WeightBalance none = sumWeightBalance(empty);
    EXPECT_EQ(formatReal(kTotalFormat, none.totalWeight), "0.0");
    EXPECT_EQ(formatReal(kTotalFormat, none.totalMoment), "0.0");
    EXPECT_EQ(formatReal(kCentreOfGravityFormat, none.centreOfGravity), "0.00");

    const Stations negative{{{-100, 85.0}, {50, 95.0}}};
    EXPECT_EQ(sumWeightBalance(negative).centreOfGravity, 0.0);
}

TEST(WeightBalance, AWeightTooLargeToReadGivesNoCentreOfGravity) {
    const double inf = std::numeric_limits<double>::infinity();
    const Stations huge{{{1250, 85.0}, {inf, 95.0}, {-inf, 80.0}}};
    const WeightBalance wb = sumWeightBalance(huge);
    EXPECT_EQ(formatReal(kTotalFormat, wb.totalWeight), "----");
    EXPECT_EQ(formatReal(kCentreOfGravityFormat, wb.centreOfGravity), "----");
}

}  // namespace
}  // namespace orvane
