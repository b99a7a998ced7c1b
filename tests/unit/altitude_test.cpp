#include "calc/altitude.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

#include "calc/numbers.hpp"

namespace orvane {
namespace {

constexpr const char* kFeet = "%1.0f ft";

TEST(PressureAndDensityAltitude, WorkedCasesInBothUnitSystems) {
    struct Case {
        double elevation, qnh, temperature;
        bool millibars, celsius;
        const char* pressure;
        const char* density;
    };
    const Case cases[] = {
        {1000, 1000, 25, true, true, "1390 ft", "2863 ft"},
        {0, 1013, 15, true, true, "0 ft", "1 ft"},
        {5000, 1013, 30, true, true, "5000 ft", "7801 ft"},
        {0, 29.92, 59, false, false, "-6 ft", "-7 ft"},
        {2000, 30.12, 86, false, false, "1791 ft", "3907 ft"},
    };
    for (const auto& c : cases) {
        const auto r = solvePressureAndDensityAltitude(c.elevation, c.qnh, c.temperature,
                                                       c.millibars, c.celsius);
        EXPECT_EQ(formatReal(kFeet, r.pressureAltitude), c.pressure) << c.elevation;
        EXPECT_EQ(formatReal(kFeet, r.densityAltitude), c.density) << c.elevation;
    }
}

TEST(PressureAndDensityAltitude, NoDensityAltitudeAtOrBelowAbsoluteZero) {
    struct Case {
        double elevation, qnh, temperature;
        bool celsius;
    };
    const Case cases[] = {
        {1000, 1013, -273.15, true}, {1000, 1013, -300, true}, {1000, 1013, -459.67, false},
        {1000, 1013, -500, false},   {200000, 1013, 15, true},  // standard temperature below 0 K
        {200000, 1013, -300, true},                             // both below: ratio positive
    };
    for (const auto& c : cases) {
        const auto r =
            solvePressureAndDensityAltitude(c.elevation, c.qnh, c.temperature, true, c.celsius);
        EXPECT_TRUE(std::isfinite(r.pressureAltitude)) << c.temperature;
        EXPECT_EQ(formatReal(kFeet, r.densityAltitude), kNoResult) << c.temperature;
    }
}

TEST(TrueAltitude, WorkedCases) {
    struct Case {
        int calibrated, field;
        double isaDeviation, oat;
        const char* shown;
    };
    const Case cases[] = {
        {5000, 1000, -10, 0, "4853 ft"},
        {5000, 1000, 10, 20, "5137 ft"},
        {5000, 1000, 0, 20, "5000 ft"},
        {3000, 4000, 10, 10, "2965 ft"},  // below the field: negative difference used as it is
    };
    for (const auto& c : cases) {
        EXPECT_EQ(
            formatReal(kFeet, solveTrueAltitude(c.calibrated, c.field, c.isaDeviation, c.oat)),
            c.shown);
    }
}

TEST(TrueAltitude, NoResultAtOrBelowAbsoluteZero) {
    for (const double oat : {-273.0, -273.5, -1000.0}) {
        EXPECT_EQ(formatReal(kFeet, solveTrueAltitude(5000, 1000, 10, oat)), kNoResult) << oat;
        EXPECT_EQ(formatReal(kFeet, solveTrueAltitude(5000, 1000, 0, oat)), kNoResult) << oat;
    }
}

TEST(TrueAltitude, ExtremeAltitudesDoNotWrapAround) {
    constexpr int top = std::numeric_limits<std::int32_t>::max();
    constexpr int bottom = std::numeric_limits<std::int32_t>::min();
    EXPECT_DOUBLE_EQ(solveTrueAltitude(top, bottom, 10, 15), 4294967295.0 * 10 / 288.0 + top);
    EXPECT_DOUBLE_EQ(solveTrueAltitude(bottom, top, 10, 15), -4294967295.0 * 10 / 288.0 + bottom);
}

}  // namespace
}  // namespace orvane
