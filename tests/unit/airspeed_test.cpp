#include "perf/airspeed.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace orvane {
namespace {

struct SpeedCase {
    const char* name;
    double altitudeFt;
    double temperature;
    bool celsius;
    SpeedField driving;
    double value;
    SpeedField firstField;
    const char* first;
    SpeedField secondField;
    const char* second;
};

std::array<SpeedText, 2> textsFor(SpeedField driving, double value, const AirspeedAtmosphere& air) {
    switch (driving) {
        case SpeedField::Tas:
            return textsFromTas(value, air);
        case SpeedField::Ras:
            return textsFromRas(value, air);
        default:
            return textsFromMach(value, air);
    }
}

constexpr auto kTas = SpeedField::Tas;
constexpr auto kRas = SpeedField::Ras;
constexpr auto kMach = SpeedField::Mach;

TEST(Airspeed, WorkedCasesReadAsThePilotSeesThem) {
    const SpeedCase cases[] = {
        {"sea level standard: RAS equals TAS", 0, 15, true, kTas, 150, kMach, "0.23", kRas,
         "150.0"},
        {"10000 ft -5 C from TAS", 10000, -5, true, kTas, 150, kMach, "0.24", kRas, "129.0"},
        {"10000 ft 23 F from TAS", 10000, 23, false, kTas, 150, kMach, "0.24", kRas, "129.0"},
        {"10000 ft -5 C from RAS", 10000, -5, true, kRas, 250, kTas, "290.8", kMach, "0.46"},
        {"10000 ft 23 F from RAS", 10000, 23, false, kRas, 250, kTas, "290.8", kMach, "0.46"},
        // RAS would be 438.42: above 300 it is not shown.
        {"10000 ft Mach 0.8 gives RAS above 300", 10000, -5, true, kMach, 0.8, kTas, "510.0", kRas,
         "> 300"},
        {"30000 ft Mach 0.8: RAS with two decimals", 30000, -45, true, kMach, 0.8, kTas, "470.4",
         kRas, "288.11"},
        {"30000 ft TAS 500 gives RAS above 300", 30000, -45, true, kTas, 500, kMach, "0.85", kRas,
         "> 300"},
        {"a typed RAS of exactly 300 converts", 30000, -45, true, kRas, 300, kTas, "489.8", kMach,
         "0.83"},
    };
    for (const auto& c : cases) {
        const auto air = airspeedAtmosphere(c.altitudeFt, c.temperature, c.celsius);
        const auto texts = textsFor(c.driving, c.value, air);
        EXPECT_EQ(texts[0].field, c.firstField) << c.name;
        EXPECT_EQ(texts[0].text, c.first) << c.name;
        EXPECT_EQ(texts[1].field, c.secondField) << c.name;
        EXPECT_EQ(texts[1].text, c.second) << c.name;
    }
}

TEST(Airspeed, LssLineUsesItsOwnSpeedOfSound) {
    struct Case {
        double temperature;
        bool celsius;
        const char* text;
    };
    const Case cases[] = {
        {0, false, "LSS: 622.7kt"},  // empty field, Fahrenheit preference
        {0, true, "LSS: 644.0kt"},   // empty field, Celsius preference
        {15, true, "LSS: 661.5kt"}, {-5, true, "LSS: 638.1kt"}, {23, false, "LSS: 638.1kt"},
    };
    for (const auto& c : cases) {
        const auto air = airspeedAtmosphere(0, c.temperature, c.celsius);
        EXPECT_EQ(formatSpeedOfSound(displayedSpeedOfSound(air.tempC)), c.text) << c.temperature;
    }
    // Mach numbers use 38.94 * sqrt(288.0) at 15 C, a little slower than the line shows.
    EXPECT_NEAR(machSpeedOfSound(airspeedAtmosphere(0, 15, true)), 660.8, 0.05);
}

TEST(Airspeed, AirWithoutMeaningGivesDashesNeverFakeNumbers) {
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        const char* name;
        double altitudeFt;
        double temperatureC;
        SpeedField driving;
        double value;
        const char* first;
        const char* second;
    };
    const Case cases[] = {
        {"absolute zero from TAS", 0, -273, kTas, 150, "----", "----"},
        {"absolute zero from RAS", 0, -273, kRas, 150, "----", "----"},
        {"absolute zero from Mach", 0, -273, kMach, 0.8, "----", "----"},
        {"below absolute zero", 0, -300, kTas, 150, "----", "----"},
        {"infinite temperature from TAS", 0, inf, kTas, 150, "----", "----"},
        {"infinite temperature from RAS", 0, inf, kRas, 150, "----", "----"},
        // Above the model the density is unknown, but Mach still follows from the temperature.
        {"above the model from TAS", 150000, -56, kTas, 150, "0.26", "----"},
        {"above the model from RAS", 150000, -56, kRas, 150, "----", "----"},
        {"above the model from Mach", 150000, -56, kMach, 0.5, "286.8", "----"},
        {"standard temperature exactly zero", 288.0 / 0.00198, 15, kTas, 150, "0.23", "----"},
    };
    for (const auto& c : cases) {
        const auto air = airspeedAtmosphere(c.altitudeFt, c.temperatureC, true);
        const auto texts = textsFor(c.driving, c.value, air);
        EXPECT_EQ(texts[0].text, c.first) << c.name;
        EXPECT_EQ(texts[1].text, c.second) << c.name;
    }
}

TEST(Airspeed, NoLssBelowAbsoluteZero) {
    EXPECT_EQ(formatSpeedOfSound(displayedSpeedOfSound(-300.0)), "----");
    EXPECT_EQ(formatSpeedOfSound(displayedSpeedOfSound(std::numeric_limits<double>::infinity())),
              "----");
}

}  // namespace
}  // namespace orvane
