#include "geo/magnetic_model.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "geo/great_circle.hpp"
#include "geo/magnetic_model_file.hpp"
#include "geo/position.hpp"
#include "geo/variation.hpp"
#include "platform/data_files.hpp"

namespace orvane {
namespace {

const MagneticModel& wmm2025() {
    static const MagneticModel model = [] {
        const auto text = readSmallFile(ORVANE_MODEL_FILE, kMagneticModelFileLimit);
        EXPECT_TRUE(text.has_value()) << ORVANE_MODEL_FILE;
        const auto parsed = parseMagneticModel(text.value_or(""));
        EXPECT_TRUE(parsed.has_value());
        return parsed.value_or(MagneticModel{});
    }();
    return model;
}

TEST(MagneticModel, ReadsTheShippedCoefficientFile) {
    const MagneticModel& m = wmm2025();
    EXPECT_EQ(m.name, "WMM-2025");
    EXPECT_EQ(m.epoch, 2025.0);
    EXPECT_EQ(m.g[magneticTerm(1, 0)], -29351.8);
    EXPECT_EQ(m.h[magneticTerm(1, 1)], 4545.4);
    EXPECT_EQ(m.gDot[magneticTerm(1, 1)], 9.7);
    EXPECT_EQ(m.hDot[magneticTerm(12, 12)], -0.1);
}

// NOAA's published test values for WMM-2025 (declination, east positive), all to 0.01 degree.
TEST(MagneticModel, ReproducesNoaaTestValues) {
    const struct {
        double year, heightKm, lat, lonEast, declination;
    } cases[] = {
        {2025.0, 0, 80, 0, 1.28},   {2025.0, 0, 0, 120, -0.16},   {2025.0, 0, -80, -120, 68.78},
        {2025.0, 100, 80, 0, 0.85}, {2025.0, 100, 0, 120, -0.15}, {2025.0, 100, -80, -120, 68.21},
        {2027.5, 0, 80, 0, 2.59},   {2027.5, 0, 0, 120, -0.24},   {2027.5, 0, -80, -120, 68.49},
        {2027.5, 100, 80, 0, 2.16}, {2027.5, 100, 0, 120, -0.23}, {2027.5, 100, -80, -120, 67.93},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(magneticDeclination(wmm2025(), c.lat, c.lonEast, c.heightKm, c.year),
                    c.declination, 0.005 + 1e-9)
            << c.year << " " << c.heightKm << " km " << c.lat << ", " << c.lonEast;
    }
}

TEST(MagneticModel, PolesGiveAValueAlongEachMeridian) {
    for (double lat : {90.0, -90.0, 89.9999999999, -90.5, 91.0}) {
        for (double lon : {-180.0, -90.0, 0.0, 45.0, 180.0, 720.0}) {
            const double d = magneticDeclination(wmm2025(), lat, lon, 0.0, 2026.0);
            EXPECT_TRUE(std::isfinite(d)) << lat << ", " << lon;
            EXPECT_LE(std::fabs(d), 180.0);
        }
    }
    // At the pole the value is the limit along the meridian: a step off it changes nothing shown.
    EXPECT_NEAR(magneticDeclination(wmm2025(), 90.0, 30.0, 0.0, 2026.0),
                magneticDeclination(wmm2025(), 89.99999, 30.0, 0.0, 2026.0), 0.001);
    EXPECT_TRUE(std::isnan(magneticDeclination(wmm2025(), std::numeric_limits<double>::quiet_NaN(),
                                               0.0, 0.0, 2026.0)));
    EXPECT_TRUE(std::isnan(
        magneticDeclination(wmm2025(), 0.0, 0.0, 0.0, std::numeric_limits<double>::infinity())));
}

TEST(MagneticModel, ChangesLinearlyOutsideItsFiveYearsToo) {
    const MagneticModel& m = wmm2025();
    // Linear coefficients: the value at 2035 is what the secular change carries it to.
    const double at2025 = magneticDeclination(m, 50.0, 8.6, 0.0, 2025.0);
    const double at2035 = magneticDeclination(m, 50.0, 8.6, 0.0, 2035.0);
    EXPECT_TRUE(std::isfinite(at2035));
    EXPECT_GT(at2035, at2025);  // central Europe's declination grows eastward
    EXPECT_TRUE(magneticModelCurrent(m, 2025.0));
    EXPECT_TRUE(magneticModelCurrent(m, 2030.0));
    EXPECT_FALSE(magneticModelCurrent(m, 2024.999));
    EXPECT_FALSE(magneticModelCurrent(m, 2030.001));
}

TEST(DecimalYear, CountsDaysFromTheFirstOfJanuary) {
    const struct {
        int y, m, d;
        double year;
    } cases[] = {
        {2027, 1, 1, 2027.0},
        {2027, 7, 2, 2027.0 + 182.0 / 365.0},
        {2027, 12, 31, 2027.0 + 364.0 / 365.0},
        {2028, 3, 1, 2028.0 + 60.0 / 366.0},  // leap year: 29 February counts
        {2100, 3, 1, 2100.0 + 59.0 / 365.0},  // no leap day in 2100
        {2000, 12, 31, 2000.0 + 365.0 / 366.0},
        {2027, 2, 31, 2027.0 + 58.0 / 365.0},   // clamped to the 28th
        {2027, 13, 0, 2027.0 + 334.0 / 365.0},  // clamped to the 1st of December
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(decimalYear(c.y, c.m, c.d), c.year) << c.y << "-" << c.m << "-" << c.d;
    }
}

double radians(int degrees, int minutes, bool negative) {
    const double r = enteredCoordinate(degrees, minutes, 0).radians;
    return negative ? -r : r;
}

// The route's variation from the world model: west positive, at the rhumb-line midpoint, on
// every continent, over the poles and across the 180th meridian.
TEST(WorldVariation, TakenWestPositiveAtTheRhumbLineMidpoint) {
    const struct {
        const char* name;
        double latFrom, lonFrom, latTo, lonTo;
        const char* shown;
    } cases[] = {
        {"New York to Chicago", radians(40, 38, false), radians(73, 47, false),
         radians(41, 59, false), radians(87, 54, false), "8.9\u00b0W"},
        {"60N 10E to 60N 10W", radians(60, 0, false), radians(10, 0, true), radians(60, 0, false),
         radians(10, 0, false), "0.4\u00b0E"},
        {"Sydney to Perth", radians(33, 57, true), radians(151, 11, true), radians(31, 57, true),
         radians(115, 58, true), "5.5\u00b0E"},
        {"Nairobi to Johannesburg", radians(1, 17, true), radians(36, 49, true),
         radians(26, 8, true), radians(28, 3, true), "5.7\u00b0W"},
        {"Santiago to Lima", radians(33, 27, true), radians(70, 40, false), radians(12, 3, true),
         radians(77, 3, false), "2.3\u00b0W"},
        {"170W to 170E at 60N", radians(60, 0, false), radians(170, 0, false),
         radians(60, 0, false), radians(170, 0, true), "0.8\u00b0E"},
    };
    const double year = 2026.0;
    for (const auto& c : cases) {
        const GreatCircle gc = greatCircle(c.latFrom, c.lonFrom, c.latTo, c.lonTo);
        const RhumbLine rl = rhumbLine(c.latFrom, c.lonFrom, c.latTo, gc.lonTo);
        const double v =
            worldVariation(wmm2025(), c.latFrom, c.lonFrom, rl.course, rl.distance, year);
        const GeoPoint mid = rhumbMidpoint(c.latFrom, c.lonFrom, rl.course, rl.distance);
        EXPECT_EQ(v, -magneticDeclination(wmm2025(), mid.lat, -mid.lon, 0.0, year)) << c.name;
        EXPECT_EQ(formatVariation(v), c.shown) << c.name;
    }
    // A route to the pole along a meridian has its midpoint short of it; from the pole itself
    // the value is still a value.
    const double pole = radians(90, 0, false);
    const RhumbLine rl = rhumbLine(pole, 0.0, radians(80, 0, false), 0.00001);
    EXPECT_TRUE(std::isfinite(worldVariation(wmm2025(), pole, 0.0, rl.course, rl.distance, year)));
}

}  // namespace
}  // namespace orvane
