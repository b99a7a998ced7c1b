#include "perf/critical_point.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace orvane {
namespace {

struct PointCase {
    const char* name;
    double D, C, Wd, Ws, Vf, Vr;
    const char* distance;
    const char* time;
};

TEST(CriticalPoint, WorkedLegsReadAsThePilotSeesThem) {
    const PointCase cases[] = {
        {"reduced TAS: out at full power", 420, 45, 10, 25, 180, 130, "243.1 nm", "01:31"},
        {"no reduced TAS", 420, 45, 10, 25, 180, 0, "233.9 nm", "01:27"},
        {"westbound with a reduced TAS", 250, 270, 300, 40, 140, 100, "168.3 nm", "01:35"},
        {"calm air: 59.99999999999998 minutes truncate", 300, 90, 0, 0, 150, 0, "150.0 nm",
         "00:59"},
    };
    for (const auto& c : cases) {
        const auto p = criticalPoint(c.D, c.C, c.Wd, c.Ws, c.Vf, c.Vr);
        ASSERT_TRUE(p.has_value()) << c.name;
        EXPECT_EQ(formatLegDistance(p->distanceNm), c.distance) << c.name;
        EXPECT_EQ(formatHoursMinutes(p->timeMinutes), c.time) << c.name;
    }
}

TEST(CriticalPoint, GroundSpeedsAreAirspeedLessAndPlusTheHeadwind) {
    const auto reduced = legGroundSpeeds(130, 45, 10, 25);
    EXPECT_NEAR(reduced.outbound, 109.52, 0.005);
    EXPECT_NEAR(reduced.homebound, 150.48, 0.005);
    EXPECT_NEAR(legGroundSpeeds(180, 45, 10, 25).outbound, 159.52, 0.005);
    // The degree constants' product is a hair above 1.
    EXPECT_EQ(legGroundSpeeds(150, 90, 0, 0).outbound, 150.00000000000003);
    // Wind straight across: no headwind, almost exactly the airspeed both ways.
    EXPECT_NEAR(legGroundSpeeds(150, 0, 90, 30).outbound, 150.0, 0.03);
}

TEST(CriticalPoint, NoDistanceOrNoFullPowerTasCalculatesNothing) {
    EXPECT_FALSE(criticalPoint(0, 45, 10, 25, 180, 130).has_value());
    EXPECT_FALSE(criticalPoint(420, 45, 10, 25, 0, 130).has_value());
    EXPECT_FALSE(criticalPoint(420, 45, 10, 25, 0, 0).has_value());
}

TEST(CriticalPoint, AGroundSpeedAtOrBelowZeroGivesDashesForBothResults) {
    const PointCase cases[] = {
        {"headwind equal to the TAS", 300, 90, 90, 150, 150, 0, "----", "----"},
        {"headwind above the TAS", 300, 90, 90, 200, 150, 0, "----", "----"},
        {"tailwind equal to the TAS: no way home", 300, 90, 270, 150, 150, 0, "----", "----"},
        {"headwind above the reduced TAS only", 300, 90, 90, 140, 180, 130, "----", "----"},
        {"headwind above the full TAS only", 300, 90, 90, 140, 130, 180, "----", "----"},
        {"negative reduced TAS", 300, 90, 0, 0, 150, -100, "----", "----"},
        // Regression: a negative distance showed "-233.9 nm" beside a time of "----".
        {"negative total distance", -420, 45, 10, 25, 180, 0, "----", "----"},
        {"negative total distance, reduced TAS", -420, 45, 10, 25, 180, 130, "----", "----"},
    };
    for (const auto& c : cases) {
        const auto p = criticalPoint(c.D, c.C, c.Wd, c.Ws, c.Vf, c.Vr);
        ASSERT_TRUE(p.has_value()) << c.name;
        EXPECT_EQ(formatLegDistance(p->distanceNm), c.distance) << c.name;
        EXPECT_EQ(formatHoursMinutes(p->timeMinutes), c.time) << c.name;
    }
}

TEST(CriticalPoint, TimeTextTruncatesBothParts) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        double minutes;
        const char* text;
    };
    const Case cases[] = {
        {0.0, "00:00"},     {-0.0, "00:00"},  {59.99999999999998, "00:59"},
        {90.0, "01:30"},    {119.9, "01:59"}, {134.99999999999997, "02:14"},
        {6000.0, "100:00"}, {-1.0, "----"},   {-0.5, "----"},
        {inf, "----"},      {nan, "----"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(formatHoursMinutes(c.minutes), c.text) << c.minutes;
    }
}

}  // namespace
}  // namespace orvane
