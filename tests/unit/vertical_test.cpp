#include "calc/vertical.hpp"

#include <gtest/gtest.h>

#include "calc/numbers.hpp"

namespace orvane {
namespace {

constexpr const char* kRate = "%1.0f fpm";
constexpr const char* kDistance = "%1.1f nm";

struct Case {
    const char* name;
    double first, second, groundSpeed, fourth;
    const char* shown;
};

TEST(VerticalRate, ClimbAndDescentOverADistance) {
    const Case cases[] = {
        {"climb", 5000, 1000, 90, 20, "300 fpm"},
        {"descent", 8000, 2000, 150, 30, "500 fpm"},
        {"wrong direction shows its sign", 1000, 5000, 90, 20, "-300 fpm"},
        {"no ground speed needs no rate", 5000, 1000, 0, 20, "0 fpm"},
        {"no distance has no rate", 5000, 1000, 90, 0, kNoResult},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(formatReal(kRate, solveVerticalRate(c.first, c.second, c.groundSpeed, c.fourth)),
                  c.shown)
            << c.name;
    }
}

TEST(DistanceToLevel, TopOfClimbAndDescent) {
    const Case cases[] = {
        {"top of climb", 8000, 2000, 120, 500, "24.0 nm"},
        {"top of descent", 5000, 1000, 90, 500, "12.0 nm"},
        {"desired above current when descending", 5000, 6000, 90, 500, "-3.0 nm"},
        {"no ground speed", 5000, 1000, 0, 500, "0.0 nm"},
        {"no vertical speed has no distance", 5000, 1000, 90, 0, kNoResult},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(
            formatReal(kDistance, solveDistanceToLevel(c.first, c.second, c.groundSpeed, c.fourth)),
            c.shown)
            << c.name;
    }
}

}  // namespace
}  // namespace orvane
