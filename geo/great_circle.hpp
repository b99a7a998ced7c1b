// Great circle and rhumb line between two positions.
//
// Angles in radians. Latitude north positive (-pi/2 to pi/2 for real positions); longitude WEST
// positive, east negative (-pi to pi for real positions). Courses are true, clockwise from north.
// The exact decimal constants below are the ones the program was built with; several differ in
// their last digits from the true values, and the digits the pilot reads depend on them.
//
// How the great circle dialog uses these, in this order:
//
//     GreatCircle gc = greatCircle(latFrom, lonFrom, latTo, lonTo);
//     if (gc.coincident) -> stop, nothing shown or stored
//     show formatReal("%05.1f\u00b0", gc.course) and formatReal("%1.1fnm", gc.distance)
//     RhumbLine rl = rhumbLine(latFrom, lonFrom, latTo, gc.lonTo);   // the SHIFTED lonTo
//     trueCourse = rl.course * kRadToDeg; distance = rl.distance * geo::kNmPerRadian
//     magVariation = averageVariation(latFrom, lonFrom, rl.course, rl.distance)  (variation.hpp)
#pragma once

#include "calc/angles.hpp"

namespace orvane {

namespace geo {
inline constexpr double kNmPerRadian = 3437.746770784943;  // 60 * 180 / 3.14159265358979
inline constexpr double kQuarterPi = 0.7853981633974475;   // 3.14159265358979 / 4
inline constexpr double kMeridianShift = 0.00001;          // radians, see greatCircle
}  // namespace geo

struct GreatCircle {
    double centralAngle;  // d, radians, 0 to pi
    double distance;      // nautical miles, d * 3437.746770784943; 0 to about 10800
    // From and To give a distance of exactly 0: there is no course, `course` is NaN, `lonTo` is
    // the lonTo passed in, and the dialog stops without showing or storing anything.
    bool coincident;
    // Initial true course at From, degrees, in [0, 360] (a route due north shows 360.0). From a
    // pole (90 degrees as typed) every route leaves along a meridian: 180.0 from the north pole,
    // 0.0 from the south pole, whatever the longitudes. Should the course ratio ever be 0/0 the
    // course is NaN, which the dialog shows as "----".
    double course;
    // lonTo as every later step uses it: when lonFrom equals lonTo exactly (a route along a
    // meridian) it is lonFrom + 0.00001 radians, otherwise lonTo unchanged. This shift keeps the
    // rhumb line's course on one side of north: 30N 90W to 36N 90W gives 360.0, not 000.0. It is
    // not small against a very short route (to 30 00.10N 90W the rhumb line shows 343.4).
    double lonTo;
};

// The great-circle distance and initial course from From to To (radians, see above).
//
// cos d = cos(lonFrom - lonTo) * cos(latTo) * cos(latFrom) + sin(latTo) * sin(latFrom), clamped
// to [-1, 1] so that antipodal points give d = pi (10800.0 nm) and never NaN. The initial course
// comes from r = (sin(latTo) - cos d * sin(latFrom)) / (cos(latFrom) * sin d), clamped to
// [-1, 1] so that a route along a meridian gives 0/360 or 180 rather than NaN; destination east
// of From (sin(lonTo - lonFrom) < 0) gives acos(r), otherwise 360 - acos(r), in degrees.
// Antipodal points get a finite course (which one is arbitrary: every course is a great circle).
GreatCircle greatCircle(double latFrom, double lonFrom, double latTo, double lonTo);

struct RhumbLine {
    double course;    // tc, true course in radians, in [0, 6.28318530717958)
    double distance;  // dr, angular distance in radians (times 3437.746770784943 for nm)
};

// The rhumb line (constant true course) from From to To, the shorter way round in longitude:
// a route across the 180th meridian crosses it rather than going the long way. Pass the lonTo
// returned by greatCircle (shifted for equal longitudes); with equal longitudes unshifted, the
// course of a route due north would be 0 rather than just under 2 pi. Equal westward and eastward
// differences (exactly half a turn) go east. Within 3.16e-08 radians of latitude difference
// (along a parallel) the distance is the longitude difference times cos(latFrom). A latitude
// beyond +/-90 degrees (a total such as 90 degrees 30 minutes, which the fields allow) can give
// results that are not finite numbers; the dialog shows them as "----" and does not store them.
RhumbLine rhumbLine(double latFrom, double lonFrom, double latTo, double lonTo);

}  // namespace orvane
