#include "geo/great_circle.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "calc/numbers.hpp"
#include "geo/position.hpp"

namespace orvane {
namespace {

// A coordinate as typed: degrees, minutes, hundredths and the hemisphere button (S or E set).
struct Typed {
    int degrees, minutes, hundredths;
    bool negative;
};

double radians(Typed t) {
    const double r = enteredCoordinate(t.degrees, t.minutes, t.hundredths).radians;
    return t.negative ? -r : r;
}

constexpr bool N = false, W = false, S = true, E = true;

struct Route {
    const char* name;
    Typed latFrom, lonFrom, latTo, lonTo;
    const char* gcCourse;  // texts as the dialog shows them; nullptr where not checked
    const char* gcDistance;
    const char* rlCourse;
    const char* rlDistance;
};

struct Shown {
    std::string gcCourse, gcDistance, rlCourse, rlDistance;
};

Shown fly(const Route& r) {
    const double latFrom = radians(r.latFrom), lonFrom = radians(r.lonFrom);
    const double latTo = radians(r.latTo);
    const GreatCircle gc = greatCircle(latFrom, lonFrom, latTo, radians(r.lonTo));
    const RhumbLine rl = rhumbLine(latFrom, lonFrom, latTo, gc.lonTo);
    return {formatReal("%05.1f\u00b0", gc.course), formatReal("%1.1fnm", gc.distance),
            formatReal("%05.1f\u00b0", rl.course * kRadToDeg),
            formatReal("%1.1fnm", rl.distance * geo::kNmPerRadian)};
}

void expectShown(const Route* routes, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        const Route& r = routes[i];
        const Shown s = fly(r);
        if (r.gcCourse) {
            EXPECT_EQ(s.gcCourse, r.gcCourse) << r.name;
        }
        if (r.gcDistance) {
            EXPECT_EQ(s.gcDistance, r.gcDistance) << r.name;
        }
        if (r.rlCourse) {
            EXPECT_EQ(s.rlCourse, r.rlCourse) << r.name;
        }
        if (r.rlDistance) {
            EXPECT_EQ(s.rlDistance, r.rlDistance) << r.name;
        }
    }
}

TEST(GreatCircle, AirlineRoutesShowTheirCoursesAndDistances) {
    const Route routes[] = {
        {"51 28N 000 27W to 40 38N 073 47W",
         {51, 28, 0, N},
         {0, 27, 0, W},
         {40, 38, 0, N},
         {73, 47, 0, W},
         "287.9\u00b0",
         "2990.1nm",
         "257.9\u00b0",
         "3108.1nm"},
        {"40 38N 073 47W to 41 59N 087 54W",
         {40, 38, 0, N},
         {73, 47, 0, W},
         {41, 59, 0, N},
         {87, 54, 0, W},
         "281.9\u00b0",
         "640.6nm",
         "277.3\u00b0",
         "641.3nm"},
    };
    expectShown(routes, std::size(routes));
}

TEST(GreatCircle, RoutesAlongTheEquatorAndAcrossTheDateLine) {
    const Route routes[] = {
        {"equator eastward",
         {0, 0, 0, N},
         {0, 0, 0, W},
         {0, 0, 0, N},
         {10, 0, 0, E},
         "090.0\u00b0",
         "600.0nm",
         "090.0\u00b0",
         "600.0nm"},
        // The rhumb line crosses the 180th meridian rather than going the long way round.
        {"179W to 179E",
         {0, 0, 0, N},
         {179, 0, 0, W},
         {0, 0, 0, N},
         {179, 0, 0, E},
         "270.0\u00b0",
         "120.0nm",
         "270.0\u00b0",
         "120.0nm"},
        {"179E to 179W",
         {0, 0, 0, N},
         {179, 0, 0, E},
         {0, 0, 0, N},
         {179, 0, 0, W},
         "090.0\u00b0",
         "120.0nm",
         "090.0\u00b0",
         "120.0nm"},
        {"along the 40th parallel",
         {40, 0, 0, N},
         {100, 0, 0, W},
         {40, 0, 0, N},
         {90, 0, 0, W},
         "086.8\u00b0",
         "459.4nm",
         "090.0\u00b0",
         "459.6nm"},
    };
    expectShown(routes, std::size(routes));
}

TEST(GreatCircle, RoutesAlongAMeridianKeepTheShiftedCourse) {
    const Route routes[] = {
        // The 0.00001 radian shift puts due north just west of north: 360.0, never 000.0.
        {"30N to 36N at 90W",
         {30, 0, 0, N},
         {90, 0, 0, W},
         {36, 0, 0, N},
         {90, 0, 0, W},
         "360.0\u00b0",
         "360.0nm",
         "360.0\u00b0",
         "360.0nm"},
        {"36N to 30N at 90W",
         {36, 0, 0, N},
         {90, 0, 0, W},
         {30, 0, 0, N},
         {90, 0, 0, W},
         "180.0\u00b0",
         "360.0nm",
         "180.0\u00b0",
         "360.0nm"},
        // The shift is not small against a very short route.
        {"a tenth of a mile north",
         {30, 0, 0, N},
         {90, 0, 0, W},
         {30, 0, 10, N},
         {90, 0, 0, W},
         nullptr,
         "0.1nm",
         "343.4\u00b0",
         "0.1nm"},
        {"one mile north",
         {30, 0, 0, N},
         {90, 0, 0, W},
         {30, 1, 0, N},
         {90, 0, 0, W},
         nullptr,
         "1.0nm",
         "358.3\u00b0",
         "1.0nm"},
    };
    expectShown(routes, std::size(routes));
}

TEST(GreatCircle, MeridianShiftAppliesOnlyToEqualLongitudes) {
    const double lon = radians({90, 0, 0, W});
    const GreatCircle same = greatCircle(0.5, lon, 0.6, lon);
    EXPECT_EQ(same.lonTo, lon + 0.00001);
    const GreatCircle other = greatCircle(0.5, lon, 0.6, 1.0);
    EXPECT_EQ(other.lonTo, 1.0);
}

TEST(GreatCircle, CoincidingPositionsGiveNoCourse) {
    const double lat = radians({51, 28, 0, N}), lon = radians({0, 27, 0, W});
    const GreatCircle gc = greatCircle(lat, lon, lat, lon);
    EXPECT_TRUE(gc.coincident);
    EXPECT_EQ(gc.distance, 0.0);
    EXPECT_EQ(gc.lonTo, lon);  // not shifted: the dialog stops before the shift
    // One hundredth of a minute apart is already a route.
    EXPECT_FALSE(greatCircle(lat, lon, lat, radians({0, 27, 1, W})).coincident);
}

// Rounding takes the cosine of the central angle just below -1 at 6 degrees north and its
// antipode, and the course ratio just beyond +/-1 on routes over the pole (opposite meridians):
// both are clamped, so the pilot reads numbers, not "----".
TEST(GreatCircle, AntipodesAndRoutesOverThePoleGiveNumbers) {
    const Route routes[] = {
        {"6N 0W to its antipode",
         {6, 0, 0, N},
         {0, 0, 0, W},
         {6, 0, 0, S},
         {180, 0, 0, E},
         nullptr,
         "10800.0nm",
         nullptr,
         nullptr},
        {"equator antipodes",
         {0, 0, 0, N},
         {0, 0, 0, W},
         {0, 0, 0, N},
         {180, 0, 0, W},
         nullptr,
         "10800.0nm",
         nullptr,
         "10800.0nm"},
        {"over the north pole",
         {40, 0, 0, N},
         {0, 0, 0, W},
         {41, 0, 0, N},
         {180, 0, 0, W},
         "360.0\u00b0",
         "5940.0nm",
         nullptr,
         nullptr},
        {"over the south pole",
         {89, 0, 0, S},
         {0, 0, 0, W},
         {88, 0, 0, S},
         {180, 0, 0, W},
         "180.0\u00b0",
         "180.0nm",
         nullptr,
         nullptr},
    };
    expectShown(routes, std::size(routes));
    for (const Route& r : routes) {
        const GreatCircle gc =
            greatCircle(radians(r.latFrom), radians(r.lonFrom), radians(r.latTo), radians(r.lonTo));
        EXPECT_TRUE(std::isfinite(gc.course)) << r.name;
        EXPECT_TRUE(std::isfinite(gc.centralAngle)) << r.name;
    }
}

// Regression: from a pole the initial course was rounding noise (270.0 from 90N to 45N 90W).
TEST(GreatCircle, FromAPoleEveryRouteLeavesAlongAMeridian) {
    const Route routes[] = {
        {"90N to 45N 090W",
         {90, 0, 0, N},
         {0, 0, 0, W},
         {45, 0, 0, N},
         {90, 0, 0, W},
         "180.0\u00b0",
         "2700.0nm",
         nullptr,
         nullptr},
        {"90N 170E to 10S 090E",
         {90, 0, 0, N},
         {170, 0, 0, E},
         {10, 0, 0, S},
         {90, 0, 0, E},
         "180.0\u00b0",
         nullptr,
         nullptr,
         nullptr},
        {"90S to 45S 090W",
         {90, 0, 0, S},
         {0, 0, 0, W},
         {45, 0, 0, S},
         {90, 0, 0, W},
         "000.0\u00b0",
         "2700.0nm",
         "000.0\u00b0",
         nullptr},
        {"90S to 45S 090E",
         {90, 0, 0, S},
         {0, 0, 0, W},
         {45, 0, 0, S},
         {90, 0, 0, E},
         "000.0\u00b0",
         nullptr,
         nullptr,
         nullptr},
        // A hundredth of a minute from the pole is no longer the pole.
        {"89 59.99N to 45N 090W",
         {89, 59, 99, N},
         {0, 0, 0, W},
         {45, 0, 0, N},
         {90, 0, 0, W},
         "270.0\u00b0",
         nullptr,
         nullptr,
         nullptr},
    };
    expectShown(routes, std::size(routes));
    // The pole as the exact pi / 2 counts too.
    EXPECT_EQ(greatCircle(M_PI_2, 0.0, 0.5, 1.0).course, 180.0);
}

TEST(RhumbLine, HalfATurnOfLongitudeGoesEast) {
    // 180 degrees west is exactly 3.14159265358979: west and east differences are equal.
    const Route routes[] = {
        {"to 10N 180W",
         {0, 0, 0, N},
         {0, 0, 0, W},
         {10, 0, 0, N},
         {180, 0, 0, W},
         nullptr,
         nullptr,
         "086.8\u00b0",
         nullptr},
        {"to 10N 180E",
         {0, 0, 0, N},
         {0, 0, 0, W},
         {10, 0, 0, N},
         {180, 0, 0, E},
         nullptr,
         nullptr,
         "086.8\u00b0",
         nullptr},
    };
    expectShown(routes, std::size(routes));
}

}  // namespace
}  // namespace orvane
