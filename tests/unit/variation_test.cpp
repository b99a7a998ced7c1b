#include "geo/variation.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "geo/great_circle.hpp"
#include "geo/position.hpp"

namespace orvane {
namespace {

struct ModelCase {
    double lat, lon;
    const char* shown;
};

void expectModel(const ModelCase* cases, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        const ModelCase& c = cases[i];
        EXPECT_EQ(formatVariation(variationModel(c.lat, c.lon)), c.shown)
            << "at " << c.lat << ", " << c.lon;
    }
}

TEST(VariationModel, EachRegionGivesItsVariation) {
    const ModelCase cases[] = {
        {40.0, 100.0, "8.5\u00b0E"}, {40.0, 95.0, "5.0\u00b0E"}, {40.0, 105.0, "11.5\u00b0E"},
        {50.0, 5.0, "5.5\u00b0W"},   {51.5, 0.0, "3.8\u00b0W"},  {60.0, 150.0, "24.3\u00b0E"},
        {45.0, 30.0, "no calc"},
    };
    expectModel(cases, std::size(cases));
    EXPECT_NEAR(variationModel(40.0, 100.0), -8.4962, 5e-5);
    EXPECT_NEAR(variationModel(60.0, 150.0), -24.2823, 5e-5);
}

// Fault: the European cubic was evaluated with west longitudes positive, though it was fitted
// with east ones; its box then lay mostly over the Atlantic and its values were up to 24 degrees
// off (Frankfurt 7.1W, Reykjavik inside the box at 5.2E).
TEST(VariationModel, EuropeTakesEastLongitudesPositive) {
    const ModelCase cases[] = {
        {50.03, -8.57, "0.5\u00b0W"},  // Frankfurt
        {64.1, -21.9, "5.2\u00b0E"},   // 21.9E, in Finland's latitudes
        {64.1, 21.9, "no calc"},       // Reykjavik, west of the box
        {60.0, -10.0, "0.7\u00b0W"},   // 10E
        {60.0, 10.0, "no calc"},       // 10W, on the western bound
        {51.5, 0.0, "3.8\u00b0W"},     // on the prime meridian the sign makes no difference
    };
    expectModel(cases, std::size(cases));
    EXPECT_NEAR(variationModel(50.0, 5.0), 5.5146, 5e-5);
    EXPECT_NEAR(variationModel(60.0, 150.0), -24.2823, 5e-5);
}

TEST(VariationModel, PointsOnABoundLieOutside) {
    const ModelCase cases[] = {
        {50.0, 100.0, "no calc"},        {24.0, 80.0, "no calc"},     {40.0, 66.0, "no calc"},
        {40.0, 125.0, "no calc"},        {36.0, 0.0, "no calc"},      {68.0, 0.0, "no calc"},
        {60.0, 10.0, "no calc"},         {60.0, -28.0, "no calc"},    {54.0, 150.0, "no calc"},
        {60.0, 130.0, "no calc"},        {60.0, 172.0, "no calc"},    {49.999, 100.0, "8.7\u00b0E"},
        {54.0001, 150.0, "24.2\u00b0E"}, {60.0, 9.99, "11.0\u00b0W"}, {60.0, -27.99, "7.1\u00b0E"},
    };
    expectModel(cases, std::size(cases));
    // Region 3 has no northern bound; a point that is no number is in no region.
    EXPECT_NE(variationModel(89.0, 150.0), kNoVariation);
    EXPECT_EQ(variationModel(std::numeric_limits<double>::quiet_NaN(), 100.0), kNoVariation);
}

double radians(int degrees, int minutes, bool negative) {
    const double r = enteredCoordinate(degrees, minutes, 0).radians;
    return negative ? -r : r;
}

struct RouteCase {
    const char* name;
    double latFrom, lonFrom, latTo, lonTo;  // radians, west positive
    double midLat, midLon;                  // degrees, west positive
    const char* shown;
};

TEST(AverageVariation, TakenAtTheRhumbLineMidpoint) {
    const RouteCase cases[] = {
        {"due east along 40N", radians(40, 0, false), radians(100, 0, false), radians(40, 0, false),
         radians(90, 0, false), 40.0, 95.0, "5.0\u00b0E"},
        {"due west along 40N", radians(40, 0, false), radians(100, 0, false), radians(40, 0, false),
         radians(110, 0, false), 40.0, 105.0, "11.5\u00b0E"},
        {"40 38N 073 47W to 41 59N 087 54W", radians(40, 38, false), radians(73, 47, false),
         radians(41, 59, false), radians(87, 54, false), 41.3083, 80.8051, "7.1\u00b0W"},
        {"51 28N 000 27W to 40 38N 073 47W", radians(51, 28, false), radians(0, 27, false),
         radians(40, 38, false), radians(73, 47, false), 46.05, 38.92, "no calc"},
        {"60N 010E to 60N 010W", radians(60, 0, false), radians(10, 0, true), radians(60, 0, false),
         radians(10, 0, false), 60.0, 0.0, "5.5\u00b0W"},
    };
    for (const auto& c : cases) {
        const GreatCircle gc = greatCircle(c.latFrom, c.lonFrom, c.latTo, c.lonTo);
        const RhumbLine rl = rhumbLine(c.latFrom, c.lonFrom, c.latTo, gc.lonTo);
        const GeoPoint mid = rhumbMidpoint(c.latFrom, c.lonFrom, rl.course, rl.distance);
        EXPECT_NEAR(mid.lat, c.midLat, 0.005) << c.name;
        EXPECT_NEAR(mid.lon, c.midLon, 0.005) << c.name;
        EXPECT_EQ(formatVariation(averageVariation(c.latFrom, c.lonFrom, rl.course, rl.distance)),
                  c.shown)
            << c.name;
    }
}

TEST(AverageVariation, MidpointAcrossTheDateLineIsBroughtIntoOneTurn) {
    const double lat = radians(60, 0, false);
    // 170W to 170E: the midpoint is on the 180th meridian, in no region.
    RhumbLine rl = rhumbLine(lat, radians(170, 0, false), lat, radians(170, 0, true));
    GeoPoint mid = rhumbMidpoint(lat, radians(170, 0, false), rl.course, rl.distance);
    EXPECT_NEAR(std::fabs(mid.lon), 180.0, 1e-6);
    EXPECT_EQ(averageVariation(lat, radians(170, 0, false), rl.course, rl.distance), kNoVariation);
    // 170E eastward to 150W: the midpoint, 190 degrees east, is 170 degrees west: region 3.
    rl = rhumbLine(lat, radians(170, 0, true), lat, radians(150, 0, false));
    mid = rhumbMidpoint(lat, radians(170, 0, true), rl.course, rl.distance);
    EXPECT_NEAR(mid.lon, 170.0, 1e-6);
    const double v = averageVariation(lat, radians(170, 0, true), rl.course, rl.distance);
    EXPECT_EQ(v, variationModel(mid.lat, mid.lon));
    EXPECT_EQ(formatVariation(v), "11.2\u00b0E");
}

TEST(FormatVariation, ShowsTheSideAndTheMagnitude) {
    const struct {
        double v;
        const char* shown;
    } cases[] = {
        {-999.0, "no calc"},
        {-0.04, "0.0\u00b0E"},
        {0.0, "0.0\u00b0W"},
        {7.12, "7.1\u00b0W"},
        {-24.28, "24.3\u00b0E"},
        {-998.99, "999.0\u00b0E"},
        {std::numeric_limits<double>::quiet_NaN(), "----"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(formatVariation(c.v), c.shown) << c.v;
    }
}

}  // namespace
}  // namespace orvane
