#include "geo/great_circle.hpp"

#include <algorithm>
#include <cmath>
#include <limits>

#include "calc/entry.hpp"

namespace orvane {

namespace {

// The pole as the position fields give it (90 degrees times the program's factor), and how
// near a latitude must be to count as the pole: wide enough to take the true pi/2 as well
// (1.6e-15 away), far narrower than the smallest step of the fields (a hundredth of a minute,
// 2.9e-6 radians).
constexpr double kPoleLatitude = 90.0 * kDegToRad;
constexpr double kPoleTolerance = 1e-12;

}  // namespace

GreatCircle greatCircle(double latFrom, double lonFrom, double latTo, double lonTo) {
    GreatCircle gc{};
    // The three cosines multiplied left to right, then the product of the sines added. Rounding
    // can take the sum just beyond 1 (identical points) or -1 (antipodal points).
    double c = std::cos(lonFrom - lonTo) * std::cos(latTo) * std::cos(latFrom) +
               std::sin(latTo) * std::sin(latFrom);
    c = std::clamp(c, -1.0, 1.0);
    gc.centralAngle = std::acos(c);
    gc.distance = gc.centralAngle * geo::kNmPerRadian;
    gc.lonTo = lonTo;
    if (gc.distance == 0.0) {
        gc.coincident = true;
        gc.course = std::numeric_limits<double>::quiet_NaN();
        return gc;
    }
    gc.coincident = false;
    if (lonFrom == lonTo) {
        gc.lonTo = lonFrom + geo::kMeridianShift;
    }
    const double dLon = gc.lonTo - lonFrom;
    const double d = gc.centralAngle;
    // From a pole every route leaves along a meridian: due south from the north pole, due north
    // from the south pole. The formula below would divide by cos(latFrom), a rounding residue
    // there, and give a course that depends on the longitudes.
    if (std::fabs(std::fabs(latFrom) - kPoleLatitude) < kPoleTolerance) {
        gc.course = latFrom > 0.0 ? 180.0 : 0.0;
        return gc;
    }
    // Along a meridian the ratio lies within rounding of +/-1 and may fall just outside; the
    // clamp keeps acos defined. A ratio that cannot be formed (0/0) stays NaN.
    double r =
        (std::sin(latTo) - std::cos(d) * std::sin(latFrom)) / (std::cos(latFrom) * std::sin(d));
    r = std::clamp(r, -1.0, 1.0);
    if (std::sin(dLon) < 0.0) {
        gc.course = std::acos(r) * kRadToDeg;  // destination to the east
    } else {
        gc.course = (kOneTurn - std::acos(r)) * kRadToDeg;
    }
    return gc;
}

RhumbLine rhumbLine(double latFrom, double lonFrom, double latTo, double lonTo) {
    const double dlonW = wrapAngle(lonTo - lonFrom, kOneTurn);  // longitude to travel west
    const double dlonE = wrapAngle(lonFrom - lonTo, kOneTurn);  // longitude to travel east
    // Difference of the meridional parts, radians.
    const double tFrom = std::tan(latFrom * 0.5 + geo::kQuarterPi);
    const double dphi = std::log(std::tan(latTo * 0.5 + geo::kQuarterPi) / tFrom);
    const double dlat = latTo - latFrom;
    // Along a parallel dlat / dphi is 0 / 0: the departure is the longitude times cos(lat).
    const double q = std::fabs(dlat) < std::sqrt(1e-15) ? std::cos(latFrom) : dlat / dphi;
    RhumbLine rl{};
    double dl = 0.0;
    if (dlonW < dlonE) {
        rl.course = wrapAngle(std::atan2(-dlonW, dphi), kOneTurn);
        dl = dlonW;
    } else {
        rl.course = wrapAngle(std::atan2(dlonE, dphi), kOneTurn);
        dl = dlonE;
    }
    rl.distance = std::sqrt(std::pow(dl, 2.0) * std::pow(q, 2.0) + std::pow(dlat, 2.0));
    return rl;
}

}  // namespace orvane
