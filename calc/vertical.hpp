// Vertical navigation: the rate of climb or descent needed to change altitude over a distance,
// and the distance flown while changing altitude at a given rate.
//
// Altitudes in feet, ground speed in knots, distances in nautical miles, vertical speeds in feet
// per minute. The height to change is first - second: the dialog passes (desired, current) when
// climbing and (current, desired) when descending, so both come out positive; a change in the
// other direction gives a negative result, shown with its sign.
#pragma once

namespace orvane {

// Vertical speed in fpm, shown "%1.0f fpm":
//   minutes = (distance / groundSpeed) * 60.0; rate = (first - second) / minutes.
// The dialog refuses a distance of 0 before calling; here it gives an infinite or NaN rate.
// A ground speed of 0 makes the time infinite and the rate 0 (NaN when the distance is 0 too).
double solveVerticalRate(double first, double second, double groundSpeed, double distance);

// Distance in nm to the top of climb or descent, shown "%1.1f nm":
//   (first - second) / verticalSpeed * groundSpeed * 0.016666666666666666.
// verticalSpeed in fpm, as a positive magnitude for a climb and for a descent. The dialog refuses
// a vertical speed of 0 before calling; here it gives an infinite or NaN distance. A ground speed
// of 0 gives 0 nm.
double solveDistanceToLevel(double first, double second, double groundSpeed, double verticalSpeed);

}  // namespace orvane
