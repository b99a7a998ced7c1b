// The point of no return: how far out along a course the aircraft can fly and still get back to
// its departure point, and how long it takes to get there. Two limits:
//   * endurance, both legs at the normal true airspeed ("Full power");
//   * usable fuel, out at the normal airspeed and fuel flow, home after an engine failure at the
//     reduced airspeed and fuel flow ("Failed eng").
//
// Units and conventions as in perf/critical_point.hpp: course and wind direction (from) in
// degrees true, speeds in knots, distances in nautical miles, times in minutes. Fuel in any one
// unit, flows in that unit per hour. The dialog shows the results with formatLegDistance() and
// formatHoursMinutes().
#pragma once

#include <optional>

#include "perf/critical_point.hpp"

namespace orvane {

// C: course, degrees. Wd, Ws: wind direction (from), degrees, and speed, knots. Vn: normal true
// airspeed, knots. enduranceMinutes: endurance, minutes, 0 or more (the dialog's time parser
// gives it; the dialog rejects a negative result of the parser with its own message).
//
// Returns nothing (the dialog changes nothing) when Vn is 0. Otherwise, with
// (GSo, GSh) = legGroundSpeeds(Vn, C, Wd, Ws):
//   time t = GSh * E / (GSh + GSo) minutes;  distance d = t * GSo * 0.016666666666666666.
// When GSo or GSh is zero, negative or NaN (a headwind or tailwind component at or above the
// airspeed), or the endurance is negative or not finite, BOTH results are NaN, shown "----".
std::optional<PointOnLeg> pointOfNoReturnEndurance(double C, double Wd, double Ws, double Vn,
                                                   double enduranceMinutes);

// C, Wd, Ws, Vn as above. Vr: reduced-power true airspeed, knots. NF: normal fuel flow and RF:
// reduced-power fuel flow, fuel units per hour. F: usable fuel (total less reserve), fuel units,
// may be 0 (0.0 nm and 00:00).
//
// Returns nothing (the dialog changes nothing) when Vn, Vr, NF or RF is 0. Otherwise, with
// GSo the outbound ground speed at Vn and GSh' the homebound ground speed at Vr:
//   distance d = F / (RF / GSh' + NF * (1.0 / GSo));  time t = (1.0 / GSo) * d * 60.0 minutes.
// When GSo or GSh' is zero, negative or NaN, or F is negative, BOTH results are NaN, shown
// "----".
std::optional<PointOnLeg> pointOfNoReturnFuel(double C, double Wd, double Ws, double Vn, double Vr,
                                              double NF, double RF, double F);

}  // namespace orvane
