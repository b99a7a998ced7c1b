#include "calc/planning.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "calc/entry.hpp"
#include "calc/numbers.hpp"

namespace orvane {
namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

TEST(FuelPlan, FuelAndTruncatedFlightTime) {
    struct Case {
        double fuelFlow, distance, groundSpeed;
        const char* fuel;
        const char* time;
    };
    const Case cases[] = {
        {30, 200, 120, "50.0", "1:40"}, {8.5, 95, 110, "7.3", "0:51"},  // 51.8 minutes, truncated
    };
    for (const auto& c : cases) {
        const FuelPlan p = solveFuelPlan(c.fuelFlow, c.distance, c.groundSpeed);
        EXPECT_EQ(formatReal("%1.1f", p.fuel), c.fuel);
        EXPECT_EQ(formatFlightTime(p.flightTime), c.time);
    }
    const FuelPlan p = solveFuelPlan(30, 200, 120);
    EXPECT_EQ(p.flightTime, 100.0);
    EXPECT_EQ(p.fuel, 50.0);
}

TEST(FuelPlan, NoGroundSpeedGivesNoTimeAndNoFuel) {
    const FuelPlan p = solveFuelPlan(30, 200, 0);
    EXPECT_EQ(formatFlightTime(p.flightTime), kNoResult);
    EXPECT_EQ(formatReal("%1.1f", p.fuel), kNoResult);
}

TEST(FlightTime, TimesThatDoNotFitShowNoResult) {
    EXPECT_EQ(formatFlightTime(1e12), kNoResult);
    EXPECT_EQ(formatFlightTime(std::numeric_limits<double>::quiet_NaN()), kNoResult);
    EXPECT_EQ(formatFlightTime(599.9), "9:59");
}

TEST(CostingTime, FlightTimeAsTheTimeFieldStarts) {
    EXPECT_EQ(formatCostingTime(125), "2:05");
    EXPECT_EQ(formatCostingTime(90.5), "1:30");
    EXPECT_EQ(formatCostingTime(600), "10:00");
    EXPECT_EQ(parseClockTime(formatCostingTime(600)).minutes, -1.0);  // too long to cost
    EXPECT_EQ(formatCostingTime(std::numeric_limits<double>::infinity()), kNoResult);
}

TEST(TripCost, HourlyCostTimesTheParsedTime) {
    const double cost = solveTripCost(parseClockTime("1:30").minutes, 150);
    EXPECT_EQ(formatTripCost("\u00a3", cost), "\u00a3225.00");
    EXPECT_DOUBLE_EQ(cost, 225.0);
    EXPECT_EQ(formatTripCost("", cost), "225.00");
}

TEST(TripCost, SymbolIsTextNotAFormatAndInfiniteCostShowsNoResult) {
    EXPECT_EQ(formatTripCost("%s", 1.0), "%s1.00");
    EXPECT_EQ(formatTripCost("$", solveTripCost(90, std::numeric_limits<double>::infinity())),
              kNoResult);
}

TEST(Logbook, MinutesCarryIntoHoursOnlyWhenShown) {
    LogbookTotals totals;
    ASSERT_TRUE(addToLogbookTotals(totals, 1, 45));
    LogbookDisplay shown = logbookDisplay(totals);
    EXPECT_EQ(shown.hours, 1);
    EXPECT_EQ(shown.minutes, 45);
    ASSERT_TRUE(addToLogbookTotals(totals, 2.9, 30.7));  // truncated to 2 and 30
    shown = logbookDisplay(totals);
    EXPECT_EQ(shown.hours, 4);
    EXPECT_EQ(shown.minutes, 15);
    EXPECT_EQ(totals.hours, 3);
    EXPECT_EQ(totals.minutes, 75);
    ASSERT_TRUE(addToLogbookTotals(totals, 0, 0));  // an empty entry shows the totals again
    EXPECT_EQ(logbookDisplay(totals).hours, 4);
}

TEST(Logbook, NegativeMinutesKeepTheirSign) {
    LogbookTotals totals;
    ASSERT_TRUE(addToLogbookTotals(totals, 2, -75));
    const LogbookDisplay shown = logbookDisplay(totals);
    EXPECT_EQ(shown.hours, 1);
    EXPECT_EQ(shown.minutes, -15);
}

TEST(Logbook, EntriesThatWouldOverflowAreRefusedWhole) {
    struct Case {
        const char* name;
        LogbookTotals before;
        double hours, minutes;
    };
    const Case cases[] = {
        {"hours beyond 32 bits", {}, 3e9, 10},
        {"minutes beyond 32 bits", {}, 1, -3e9},
        {"not a number", {}, std::numeric_limits<double>::quiet_NaN(), 0},
        {"hours total overflows", {kMax, 0}, 1, 0},
        {"minutes total overflows", {5, kMax - 10}, 0, 20},
        {"shown hours overflow", {kMax - 1, 0}, 0, 120},
    };
    for (const auto& c : cases) {
        LogbookTotals totals = c.before;
        EXPECT_FALSE(addToLogbookTotals(totals, c.hours, c.minutes)) << c.name;
        EXPECT_EQ(totals.hours, c.before.hours) << c.name;
        EXPECT_EQ(totals.minutes, c.before.minutes) << c.name;
    }
    LogbookTotals full{kMax - 1, 59};
    EXPECT_TRUE(addToLogbookTotals(full, 1, 0));
    EXPECT_EQ(logbookDisplay(full).hours, kMax);
    EXPECT_EQ(logbookDisplay(LogbookTotals{kMax, kMax}).hours, kMax);  // set directly: limited
}

TEST(HoldingPattern, OutboundHeadingAndTime) {
    struct Case {
        const char* name;
        double tas, inbound, windDirection, windSpeed;
        const char* heading;
        const char* time;
    };
    const Case cases[] = {
        {"wind from the right, three times", 120, 360, 90, 20, "151\u00b0", "60 seconds"},
        {"wind from the outbound heading", 120, 90, 270, 30, "270\u00b0", "90 seconds"},
        {"headwind inbound shortens", 100, 180, 200, 20, "348\u00b0", "41 seconds"},
        {"near the wind, two times", 100, 180, 10, 30, "006\u00b0", "90 seconds"},
        {"correction limited to 30", 90, 270, 300, 40, "060\u00b0", "25 seconds"},
        {"negative time keeps its sign", 120, 360, 360, 70, "180\u00b0", "-10 seconds"},
        {"crosswind beyond the TAS", 30, 360, 90, 40, kNoResult, "60 seconds"},
        {"no airspeed", 0, 360, 360, 20, kNoResult, "40 seconds"},
    };
    for (const auto& c : cases) {
        const HoldingPattern h =
            solveHoldingPattern(c.tas, c.inbound, c.windDirection, c.windSpeed);
        EXPECT_EQ(formatReal("%03.0f\u00b0", h.outboundHeading), c.heading) << c.name;
        EXPECT_EQ(formatReal("%1.0f seconds", h.outboundTime), c.time) << c.name;
    }
}

}  // namespace
}  // namespace orvane
