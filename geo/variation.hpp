// Average magnetic variation along a route, from a regional model.
//
// The variation is taken at one point, the midpoint of the rhumb line, and evaluated there with
// one of three cubic polynomials in latitude and longitude, each valid inside its own box.
// Outside the boxes there is no value: the marker kNoVariation (-999.0), shown as "no calc".
//
// Sign conventions: latitude north positive; longitude WEST positive, east negative; variation in
// degrees, WEST positive, east negative.
#pragma once

#include <string>

#include "geo/magnetic_model.hpp"

namespace orvane {

// The variation that means "not calculated" (midpoint in no region). Every other value is a
// variation, including 0.0.
inline constexpr double kNoVariation = -999.0;

struct GeoPoint {
    double lat;  // degrees, north positive
    double lon;  // degrees, west positive, in [-180, 180] (see rhumbMidpoint)
};

// The point reached from From after half the rhumb-line distance along the rhumb-line course.
// latFrom, lonFrom in radians (west positive); tc the rhumb-line course in radians, [0, 2 pi);
// dr the rhumb-line angular distance in radians (rhumbLine in great_circle.hpp gives both).
// Result in degrees; the longitude is brought into one turn about the prime meridian, so it lies
// between -180 and 180 (a midpoint on the 180th meridian may come out as either). Along a
// parallel (latitude change below 3.16e-08 radians) the longitude change is the departure
// divided by cos(latFrom).
GeoPoint rhumbMidpoint(double latFrom, double lonFrom, double tc, double dr);

// The model's variation at lat, lon (degrees, west positive), or kNoVariation when the point lies
// in none of the regions. Every bound is strict: a point exactly on a bound is outside.
//   region 1: 24 < lat < 50,  66 < lon < 125
//   region 2: 36 < lat < 68, -28 < lon < 10   (28 degrees east to 10 degrees west; its box and
//             cubic take the longitude east positive, lonE = -lon, -10 < lonE < 28)
//   region 3: 54 < lat,       130 < lon < 172
// A point that is not a finite number lies in no region.
double variationModel(double lat, double lon);

// variationModel at rhumbMidpoint: the variation the great circle dialog shows and stores as
// magVariation (degrees, west positive, or kNoVariation).
double averageVariation(double latFrom, double lonFrom, double tc, double dr);

// The World Magnetic Model's variation at rhumbMidpoint (same arguments), at sea level on the
// decimal year given: the declination turned west positive (variation = -declination), degrees.
// A value everywhere, poles included; never kNoVariation. NaN only for arguments that are not
// finite numbers.
double worldVariation(const MagneticModel& model, double latFrom, double lonFrom, double tc,
                      double dr, double year);

// The variation as the pilot reads it: "no calc" for exactly kNoVariation; otherwise the
// magnitude with one decimal and the side, "7.1°W" or "24.3°E". Zero shows as "0.0°W", and a
// small easterly value that rounds to zero as "0.0°E". A value that is not a finite number shows
// as "----" (never stored, but the text rule is total). Texts are UTF-8.
std::string formatVariation(double variation);

}  // namespace orvane
