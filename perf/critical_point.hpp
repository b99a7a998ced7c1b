// The critical point (equal-time point) of a leg, and the two helpers it shares with the point of
// no return: the outbound and homebound ground speeds for a wind, and the "hh:mm" time text.
//
// Angles are in degrees, true, 0 to 360 (any value works: only their sines and cosines are used).
// The wind direction is where the wind blows FROM. Speeds are in knots, distances in nautical
// miles, times in minutes.
#pragma once

#include <optional>
#include <string>

namespace orvane {

// Ground speeds along a course and back along its reciprocal, knots. Either may come out zero or
// negative (a headwind or tailwind component at or above the airspeed) or NaN (no airspeed, or a
// wind more than about 57 times the airspeed).
struct LegGroundSpeeds {
    double outbound;   // GSo: along the course
    double homebound;  // GSh: back along the reciprocal, computed as (V - GSo) + V
};

// V: true airspeed, knots (0 gives NaN speeds). C: course, degrees. Wd: wind direction (from),
// degrees. Ws: wind speed, knots (0 is calm: GSo = V, to within the last digit).
//
// With k = 0.017453292519943278 and K = 57.29577951308239, in this order:
//   theta = (Wd - C) * k;  r = (Ws / V) * k * sin(theta);  E = sqrt(1.0 - pow(r, 2.0));
//   GSo = ((V * k) * E - cos(theta) * (Ws * k)) * K;  GSh = (V - GSo) + V.
// The factor k inside r multiplies the speed ratio, so E is within 0.00016 of 1 for any wind no
// faster than the aircraft: GSo is in effect V less the headwind component, GSh V plus it.
// Because k * K is slightly above 1, calm air gives GSo a hair above V (150.00000000000003 for
// 150), which is why a calm 300 nm leg at 150 kt reads 00:59.
LegGroundSpeeds legGroundSpeeds(double V, double C, double Wd, double Ws);

// A point on a leg: how far out and how long to get there. NaN where there is no such point.
struct PointOnLeg {
    double distanceNm;   // from the departure point, nautical miles
    double timeMinutes;  // flying time from the departure point, minutes
};

// A ground speed that can be flown: positive and finite (NaN fails too).
bool canFly(double groundSpeed);

// A point on a leg as the pilot reads it: both numbers or neither. A distance or time that is
// negative or not finite (a negative total distance, or negative usable fuel) means there is no
// such point, and both come back NaN, shown "----"; a negative zero comes back as zero.
PointOnLeg wholePointOnLeg(double distanceNm, double timeMinutes);

// D: total distance, nm. C, Wd, Ws: course, wind direction and speed as for legGroundSpeeds.
// Vf: full-power true airspeed, knots. Vr: reduced-power true airspeed, knots; 0 when there is
// none (both legs then at Vf).
//
// Returns nothing (the dialog leaves its results as they are) when D is 0 or Vf is 0.
// Otherwise, with V = Vr when Vr is nonzero else Vf, (GSo, GSh) = legGroundSpeeds(V, ...):
//   distance d = GSh * D / (GSh + GSo);
//   time t = d / GSo' * 60.0, where GSo' is the outbound ground speed at Vf when Vr is nonzero
//   (the aircraft flies out at full power), else GSo.
// When GSo, GSh or (with a reduced airspeed) GSo' is zero, negative or NaN, or D is negative,
// there is no point to fly to and back: BOTH the distance and the time are NaN, shown "----".
std::optional<PointOnLeg> criticalPoint(double D, double C, double Wd, double Ws, double Vf,
                                        double Vr);

// Time text "%02.0f:%02.0f" of hours = floor(t * 0.016666666666666666) and
// minutes = floor(fmod(t, 60.0)): both parts truncated, not rounded (59.99999999999998 minutes
// reads 00:59). t: minutes. A negative or non-finite t reads "----". 100 hours or more give
// three or more hour digits.
std::string formatHoursMinutes(double t);

// Distance text of the critical point and point of no return dialogs: "%1.1f nm", or "----".
std::string formatLegDistance(double distanceNm);

}  // namespace orvane
