#include "calc/wind.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "calc/numbers.hpp"

namespace orvane {
namespace {

constexpr const char* kDirection = "%03.0f\u00b0";
constexpr const char* kSpeed = "%1.0f kt";

TEST(HeadingAndGroundSpeed, WorkedCasesShowAndStoreTheIntegerPartPlusOne) {
    struct Case {
        double tas, course, windDirection, windSpeed;
        const char* heading;
        const char* groundSpeed;
        int stored;
    };
    const Case cases[] = {
        {120, 90, 180, 20, "100\u00b0", "119 kt", 119},
        {100, 360, 270, 20, "348\u00b0", "98 kt", 98},
    };
    for (const auto& c : cases) {
        const auto r = solveHeadingAndGroundSpeed(c.tas, c.course, c.windDirection, c.windSpeed);
        EXPECT_EQ(formatReal(kDirection, r.heading), c.heading);
        EXPECT_EQ(formatReal(kSpeed, r.shownGroundSpeed), c.groundSpeed);
        ASSERT_TRUE(r.storedGroundSpeed.has_value());
        EXPECT_EQ(*r.storedGroundSpeed, c.stored);
    }
}

TEST(HeadingAndGroundSpeed, StoredHeadingIsUnrounded) {
    const auto r = solveHeadingAndGroundSpeed(120, 90, 180, 20);
    EXPECT_NEAR(r.heading, 99.594068, 1e-6);
    EXPECT_NEAR(r.groundSpeed, 118.321596, 1e-6);
}

TEST(HeadingAndGroundSpeed, NoSolutionWhenCrosswindExceedsTasOrTasIsZero) {
    const double cases[][4] = {{30, 90, 180, 40}, {30, 90, 0, 40}, {0, 90, 180, 20}, {0, 90, 0, 0}};
    for (const auto& c : cases) {
        const auto r = solveHeadingAndGroundSpeed(c[0], c[1], c[2], c[3]);
        EXPECT_EQ(formatReal(kDirection, r.heading), kNoResult);
        EXPECT_EQ(formatReal(kSpeed, r.shownGroundSpeed), kNoResult);
        EXPECT_FALSE(r.storedGroundSpeed.has_value());
    }
}

TEST(CourseAndGroundSpeed, HeadingIntoAWindFromTheLeft) {
    const auto r = solveCourseAndGroundSpeed(120, 100, 180, 20);
    EXPECT_EQ(formatReal(kDirection, r.course), "090\u00b0");
    EXPECT_EQ(formatReal(kSpeed, r.groundSpeed), "118 kt");
}

TEST(CourseAndGroundSpeed, WithoutAirspeedTheAircraftDriftsWithTheWind) {
    const auto drift = solveCourseAndGroundSpeed(0, 100, 90, 20);
    EXPECT_EQ(formatReal(kDirection, drift.course), "270\u00b0");
    EXPECT_EQ(formatReal(kSpeed, drift.groundSpeed), "20 kt");
    const auto still = solveCourseAndGroundSpeed(0, 100, 180, 0);
    EXPECT_EQ(formatReal(kDirection, still.course), "100\u00b0");
    EXPECT_EQ(still.groundSpeed, 0.0);
}

TEST(UnknownWind, FoundFromHeadingCourseAndGroundSpeed) {
    const auto r = solveUnknownWind(120, 100, 90, 118);
    EXPECT_EQ(formatReal(kDirection, r.direction), "180\u00b0");
    EXPECT_EQ(formatReal(kSpeed, r.speed), "21 kt");
}

TEST(UnknownWind, ZeroSpeedsStillGiveAWind) {
    const auto hovering = solveUnknownWind(120, 100, 90, 0);  // wind from the heading at the TAS
    EXPECT_EQ(formatReal(kDirection, hovering.direction), "100\u00b0");
    EXPECT_EQ(formatReal(kSpeed, hovering.speed), "120 kt");
    const auto carried = solveUnknownWind(0, 100, 90, 50);  // blown along the course
    EXPECT_EQ(formatReal(kDirection, carried.direction), "270\u00b0");
    EXPECT_EQ(formatReal(kSpeed, carried.speed), "50 kt");
}

TEST(WindComponents, RunwayCases) {
    struct Case {
        const char* name;
        double runway, windDirection, windSpeed;
        const char* label;
        const char* along;
        const char* cross;
    };
    const Case cases[] = {
        {"thirty degrees off", 270, 300, 20, "Headwind", "17 kt", "10 kt"},
        {"across north the short way", 10, 350, 20, "Headwind", "19 kt", "7 kt"},
        {"same swapped", 350, 10, 20, "Headwind", "19 kt", "7 kt"},
        {"straight behind", 90, 270, 20, "Tailwind", "20 kt", "0 kt"},
        {"straight across gives no headwind", 90, 180, 20, "Headwind", "0 kt", "20 kt"},
        {"calm", 90, 0, 0, "Headwind", "0 kt", "0 kt"},
        // Around the tail: the angle is taken the short way round from just past 180 degrees.
        {"179 off", 0, 179, 100, "Tailwind", "100 kt", "2 kt"},
        {"180 off", 0, 180, 100, "Tailwind", "100 kt", "0 kt"},
        {"181 off reads as 179", 0, 181, 100, "Tailwind", "100 kt", "2 kt"},
        {"181 off the other way", 181, 0, 100, "Tailwind", "100 kt", "2 kt"},
        {"359 off reads as 1", 0, 359, 100, "Headwind", "100 kt", "2 kt"},
    };
    for (const auto& c : cases) {
        const auto r = solveWindComponents(c.runway, c.windDirection, c.windSpeed);
        EXPECT_EQ(r.tailwind ? "Tailwind" : "Headwind", std::string(c.label)) << c.name;
        EXPECT_EQ(formatReal(kSpeed, r.alongRunway), c.along) << c.name;
        EXPECT_EQ(formatReal(kSpeed, r.crosswind), c.cross) << c.name;
        EXPECT_GE(r.crosswind, 0.0) << c.name;
    }
}

}  // namespace
}  // namespace orvane
