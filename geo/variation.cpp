#include "geo/variation.hpp"

#include <cmath>
#include <cstddef>
#include <iterator>
#include <limits>

#include "calc/entry.hpp"
#include "calc/numbers.hpp"
#include "geo/great_circle.hpp"

namespace orvane {

namespace {

// One cubic in latitude and longitude (degrees, west positive): the coefficient of each term.
struct Cubic {
    double constant, lat, lat2, lat3, lon, lon2, lon3, latLon, lat2Lon, latLon2;
};

// A region of the model: the open box where its cubic holds, and the cubic. The European
// cubic was fitted with east longitudes positive, so its box and its cubic take the longitude
// with that sign (eastPositive); the other two take it west positive.
struct Region {
    double latAbove, latBelow, lonAbove, lonBelow;  // latAbove < lat < latBelow, likewise lon
    bool eastPositive;
    Cubic cubic;
};

constexpr double kNoBound = std::numeric_limits<double>::infinity();

// Tested in this order; the boxes do not overlap.
constexpr Region kRegions[] = {
    // The contiguous United States.
    {24.0,
     50.0,
     66.0,
     125.0,
     false,
     {-65.6811, 0.99, 0.0128899, -9.05928e-05, 2.87622, -0.0389806, 0.000168556, -0.0116268,
      -6.03925e-06, -4.03488e-05}},
    // Europe from Ireland to Finland: 10 degrees west to 28 degrees east. Evaluated with west
    // longitudes positive it would cover mostly ocean, and differ from the earth's field by up
    // to 24 degrees (Frankfurt 7.1W where the field was 0.5W, Reykjavik 5.2E where it was 20W).
    {36.0,
     68.0,
     -10.0,
     28.0,
     true,
     {10.4768771667158, -0.535560699962353, 0.00976887198864442, -3.69056939266123e-05,
      -0.507385322418858, 0.00753170031703826, -1.40596203924748e-05, 0.0154348808069955,
      -0.000259163929798334, -8.07756425110592e-05}},
    // Alaska: no northern bound.
    {54.0,
     kNoBound,
     130.0,
     172.0,
     false,
     {618.854, 2.76049, -0.556206, 0.00251582, -12.7974, -0.00602173, 0.000222521, 0.408161,
      0.000434097, -0.00144712}},
};

// The three cubics are summed in three different orders, and the third groups its two mixed
// terms in latitude as one factor of lon: ((a lat + b lat^2) * lon). The shown tenths depend on
// the exact order of the rounding, so each region keeps its own expression rather than a
// common sum over the terms. Every coefficient carries its sign, so adding a negative term is
// exactly subtracting its magnitude.

double region1(const Cubic& c, double lat, double lon) {
    double v = c.lat2 * std::pow(lat, 2.0) + c.lat * lat;
    v += c.constant;
    v += c.lat3 * std::pow(lat, 3.0);
    v += c.lon * lon;
    v += c.latLon * (lat * lon);
    v += c.lat2Lon * (std::pow(lat, 2.0) * lon);
    v += c.lon2 * std::pow(lon, 2.0);
    v += c.latLon2 * (lat * std::pow(lon, 2.0));
    return c.lon3 * std::pow(lon, 3.0) + v;
}

double region2(const Cubic& c, double lat, double lon) {
    double v = c.constant + c.lon * lon;
    v += c.lon2 * std::pow(lon, 2.0);
    v += c.lon3 * std::pow(lon, 3.0);
    v += c.lat * lat;
    v += c.latLon * (lat * lon);
    v += c.latLon2 * (lat * std::pow(lon, 2.0));
    v += c.lat2 * std::pow(lat, 2.0);
    v += c.lat2Lon * (std::pow(lat, 2.0) * lon);
    v += c.lat3 * std::pow(lat, 3.0);
    return v;
}

double region3(const Cubic& c, double lat, double lon) {
    double v = c.lat * lat + c.constant;
    v += c.lat2 * std::pow(lat, 2.0);
    v += c.lat3 * std::pow(lat, 3.0);
    v += c.lon * lon;
    v += (c.latLon * lat + c.lat2Lon * std::pow(lat, 2.0)) * lon;
    v += c.lon2 * std::pow(lon, 2.0);
    v += c.latLon2 * (lat * std::pow(lon, 2.0));
    return c.lon3 * std::pow(lon, 3.0) + v;
}

using Evaluate = double (*)(const Cubic&, double, double);
constexpr Evaluate kEvaluate[] = {region1, region2, region3};
static_assert(std::size(kEvaluate) == std::size(kRegions));

}  // namespace

GeoPoint rhumbMidpoint(double latFrom, double lonFrom, double tc, double dr) {
    const double h = dr * 0.5;
    const double latMid = std::cos(tc) * h + latFrom;
    const double dlat = latMid - latFrom;
    const double q = std::fabs(dlat) < std::sqrt(1e-15)
                         ? std::cos(latFrom)
                         : dlat / std::log(std::tan(latMid * 0.5 + geo::kQuarterPi) /
                                           std::tan(latFrom * 0.5 + geo::kQuarterPi));
    // An eastward course (sin tc > 0) moves towards negative, eastern longitudes.
    const double dlon = (-1.0 / q) * std::sin(tc) * h;
    double lonMid = lonFrom + dlon;
    lonMid = wrapAngle(lonMid + kPi, kOneTurn) - kPi;
    return {latMid * kRadToDeg, lonMid * kRadToDeg};
}

double variationModel(double lat, double lon) {
    for (std::size_t i = 0; i < std::size(kRegions); ++i) {
        const Region& r = kRegions[i];
        const double x = r.eastPositive ? -lon : lon;
        if (r.latAbove < lat && lat < r.latBelow && r.lonAbove < x && x < r.lonBelow) {
            return kEvaluate[i](r.cubic, lat, x);
        }
    }
    return kNoVariation;
}

double averageVariation(double latFrom, double lonFrom, double tc, double dr) {
    const GeoPoint mid = rhumbMidpoint(latFrom, lonFrom, tc, dr);
    return variationModel(mid.lat, mid.lon);
}

double worldVariation(const MagneticModel& model, double latFrom, double lonFrom, double tc,
                      double dr, double year) {
    const GeoPoint mid = rhumbMidpoint(latFrom, lonFrom, tc, dr);
    return -magneticDeclination(model, mid.lat, -mid.lon, 0.0, year);
}

std::string formatVariation(double variation) {
    if (variation == kNoVariation) {
        return "no calc";
    }
    if (variation < 0.0) {
        return formatReal("%1.1f\u00b0E", std::fabs(variation));
    }
    return formatReal("%1.1f\u00b0W", variation);
}

}  // namespace orvane
