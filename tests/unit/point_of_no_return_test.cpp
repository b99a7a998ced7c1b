#include "perf/point_of_no_return.hpp"

#include <gtest/gtest.h>

namespace orvane {
namespace {

void expectTexts(const std::optional<PointOnLeg>& p, const char* distance, const char* time,
                 const char* name) {
    ASSERT_TRUE(p.has_value()) << name;
    EXPECT_EQ(formatLegDistance(p->distanceNm), distance) << name;
    EXPECT_EQ(formatHoursMinutes(p->timeMinutes), time) << name;
}

TEST(PointOfNoReturn, FullPowerWorkedCases) {
    struct Case {
        const char* name;
        double C, Wd, Ws, Vn, endurance;
        const char* distance;
        const char* time;
    };
    const Case cases[] = {
        {"4:30 into a quartering headwind", 45, 10, 25, 150, 270, "331.2 nm", "02:33"},
        {"3:45 westbound", 270, 300, 35, 135, 225, "240.4 nm", "02:17"},
        {"calm air: 134.99999999999997 minutes truncate", 0, 0, 0, 120, 270, "270.0 nm", "02:14"},
        {"headwind equal to the TAS", 90, 90, 150, 150, 270, "----", "----"},
        {"tailwind above the TAS: no way home", 90, 270, 160, 150, 270, "----", "----"},
        {"negative endurance", 45, 10, 25, 150, -1.0, "----", "----"},
    };
    for (const auto& c : cases) {
        expectTexts(pointOfNoReturnEndurance(c.C, c.Wd, c.Ws, c.Vn, c.endurance), c.distance,
                    c.time, c.name);
    }
}

TEST(PointOfNoReturn, FailedEngineWorkedCases) {
    struct Case {
        const char* name;
        double C, Wd, Ws, Vn, Vr, NF, RF, F;
        const char* distance;
        const char* time;
    };
    const Case cases[] = {
        {"120 units of fuel", 45, 90, 25, 150, 110, 40, 28, 120, "230.1 nm", "01:44"},
        {"no usable fuel", 45, 90, 25, 150, 110, 40, 28, 0, "0.0 nm", "00:00"},
        {"headwind above the normal TAS", 45, 45, 160, 150, 110, 40, 28, 120, "----", "----"},
        {"tailwind above the reduced TAS", 45, 225, 120, 150, 110, 40, 28, 120, "----", "----"},
        // Regression: negative fuel showed "-230.1 nm" beside a time of "----".
        {"negative usable fuel", 45, 90, 25, 150, 110, 40, 28, -120, "----", "----"},
        {"negative zero fuel is no fuel", 45, 90, 25, 150, 110, 40, 28, -0.0, "0.0 nm", "00:00"},
    };
    for (const auto& c : cases) {
        expectTexts(pointOfNoReturnFuel(c.C, c.Wd, c.Ws, c.Vn, c.Vr, c.NF, c.RF, c.F), c.distance,
                    c.time, c.name);
    }
}

TEST(PointOfNoReturn, ZeroSpeedsOrFlowsCalculateNothing) {
    EXPECT_FALSE(pointOfNoReturnEndurance(45, 10, 25, 0, 270).has_value());
    EXPECT_FALSE(pointOfNoReturnFuel(45, 90, 25, 0, 110, 40, 28, 120).has_value());
    EXPECT_FALSE(pointOfNoReturnFuel(45, 90, 25, 150, 0, 40, 28, 120).has_value());
    EXPECT_FALSE(pointOfNoReturnFuel(45, 90, 25, 150, 110, 0, 28, 120).has_value());
    EXPECT_FALSE(pointOfNoReturnFuel(45, 90, 25, 150, 110, 40, 0, 120).has_value());
}

}  // namespace
}  // namespace orvane
