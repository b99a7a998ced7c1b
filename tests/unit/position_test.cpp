#include "geo/position.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace orvane {
namespace {

struct OpeningCase {
    const char* name;
    double minutesOfArc;
    PositionFields fields;
};

TEST(PositionFields, HomePositionOpensAsItsFields) {
    const OpeningCase cases[] = {
        {"51 28.50 south", -3088.5, {51, 28, 50, true}},
        {"000 27.00 west", 27.0, {0, 27, 0, false}},
        {"fresh start", 0.0, {0, 0, 0, false}},
        {"negative zero is north / west", -0.0, {0, 0, 0, false}},
        {"51 28.65 south", -3088.65, {51, 28, 65, true}},
        {"0 00.50 east", -0.5, {0, 0, 50, true}},
        // 00 31.00 as typed is held a hair below 31 minutes; it must not open as 00 30 100.
        {"00 31.00 held as 30.999999999999996", 30.999999999999996, {0, 31, 0, false}},
        {"a hair under a whole degree", 59.999999999999, {1, 0, 0, false}},
        {"180 00.00 east", -10800.0, {180, 0, 0, true}},
    };
    for (const auto& c : cases) {
        const PositionFields f = positionFields(c.minutesOfArc);
        EXPECT_EQ(f.degrees, c.fields.degrees) << c.name;
        EXPECT_EQ(f.minutes, c.fields.minutes) << c.name;
        EXPECT_EQ(f.hundredths, c.fields.hundredths) << c.name;
        EXPECT_EQ(f.negative, c.fields.negative) << c.name;
    }
}

// Every position the fields can express (latitude degrees 0 to 90 are a part of the longitude
// range 0 to 180), held as Calculate holds it, opens again exactly as typed, in either hemisphere.
TEST(PositionFields, EveryTypedPositionComesBackAsTyped) {
    int mismatches = 0;
    for (int d = 0; d <= 180; ++d) {
        for (int m = 0; m <= 59; ++m) {
            for (int h = 0; h <= 99; ++h) {
                const double held = h * 0.01 + (m * 0.016666666666666666 + d) * 60.0;
                for (const double signedHeld : {held, -held}) {
                    const PositionFields f = positionFields(signedHeld);
                    const bool same = f.degrees == d && f.minutes == m && f.hundredths == h &&
                                      f.negative == (signedHeld < 0.0);
                    if (!same && ++mismatches <= 5) {
                        ADD_FAILURE() << d << " " << m << " " << h << " came back as " << f.degrees
                                      << " " << f.minutes << " " << f.hundredths;
                    }
                }
            }
        }
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(PositionFields, NumbersThatAreNoPositionOpenAsZero) {
    for (const double v :
         {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
          -std::numeric_limits<double>::infinity()}) {
        const PositionFields f = positionFields(v);
        EXPECT_EQ(f.degrees, 0);
        EXPECT_EQ(f.minutes, 0);
        EXPECT_EQ(f.hundredths, 0);
        EXPECT_FALSE(f.negative);
    }
}

TEST(EnteredCoordinate, KeepsTheHeldDigitsOfTheTypedPosition) {
    // These exact doubles are what the home position holds and the settings store writes.
    EXPECT_EQ(enteredCoordinate(0, 31, 0).minutesOfArc, 30.999999999999996);
    EXPECT_EQ(enteredCoordinate(51, 28, 0).minutesOfArc, 3088.0);
    // A total beyond the range is used as typed.
    EXPECT_EQ(enteredCoordinate(90, 30, 0).minutesOfArc, 5430.0);
}

TEST(EnteredDegrees, SunriseFieldsGiveDegrees) {
    EXPECT_NEAR(enteredDegrees(51, 28, 0), 51.466666666666667, 1e-12);
    EXPECT_NEAR(enteredDegrees(33, 54, 50), 33.908333333333333, 1e-12);
    EXPECT_EQ(enteredDegrees(90, 0, 0), 90.0);  // exactly: the sunrise pole rule depends on it
}

}  // namespace
}  // namespace orvane
