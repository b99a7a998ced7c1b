// Wind triangles: heading and ground speed for a wanted course, course and ground speed for a
// flown heading, the unknown wind from heading, course and ground speed, and the headwind and
// crosswind components of a wind on a runway.
//
// Common units and conventions:
//  * speeds (TAS, wind speed, ground speed) in knots;
//  * directions in degrees true, as typed (normally 0 to 360; 0 and 360 are the same direction);
//    a wind direction is the direction the wind blows FROM;
//  * inside the calculations angles are radians, converted with the program's own constants
//    0.017453292519943278 (degrees to radians) and 57.29577951308239 (radians to degrees), and
//    one turn is 6.28318530717958. These decimals differ in their last digits from the exact
//    values on purpose: the shown digits depend on them.
//
// No function stores anything: the dialog stores what it must, and only finite values.
// A result that has no solution is NaN, which the formatters show as "----".
#pragma once

#include <cstdint>
#include <optional>

namespace orvane {

// Heading to steer and ground speed to expect on a wanted course.
struct HeadingAndGroundSpeed {
    // True heading in degrees, unrounded, normally in [0, 360] (360 itself when the heading comes
    // out exactly one turn). This is the value to store in `trueHeading`; shown "%03.0f°".
    double heading;
    // The ground speed in knots as calculated (e.g. 118.32); for reference only.
    double groundSpeed;
    // The value to show with "%1.0f kt": groundSpeed + 0.5.
    double shownGroundSpeed;
    // The value to store in `groundSpeed`: groundSpeed + 1.0 truncated toward zero (the half knot
    // is added once for the text and once more for the store, so 118.32 shows 119 kt and stores
    // 119). Empty when that is not a finite number that fits in 32 bits: store nothing then.
    std::optional<std::int32_t> storedGroundSpeed;
};

// Heading and ground speed for flying the wanted course with the given wind.
//  tas: true airspeed, kt, expected > 0.
//  course: wanted true course, degrees.
//  windDirection: direction the wind blows from, degrees true. windSpeed: kt, >= 0.
// The wind correction angle is the arc sine of the wind's cross component over the TAS (taken as
// atan(x / sqrt(1 - x * x))). When that cross component exceeds the TAS no heading holds the
// course: heading, groundSpeed and shownGroundSpeed are NaN and storedGroundSpeed is empty.
// A TAS of 0 (which the dialog refuses before calling) gives the same "no solution" result.
// Calm wind gives the course itself as heading and the TAS as ground speed.
HeadingAndGroundSpeed solveHeadingAndGroundSpeed(double tas, double course, double windDirection,
                                                 double windSpeed);

// Course made good and ground speed when flying a heading with the given wind.
struct CourseAndGroundSpeed {
    // True course in degrees, in [0, 360) (360 only for a course a hair below north, where the
    // reduction into one turn rounds up). Shown "%03.0f°".
    double course;
    // Ground speed in knots, >= 0. Shown "%1.0f kt".
    double groundSpeed;
};

// Course and ground speed for a flown heading.
//  tas: true airspeed, kt (the dialog refuses 0). heading: true heading, degrees.
//  windDirection: degrees true, from. windSpeed: kt.
// Always has a solution, even with a wind stronger than the TAS. With a TAS of 0 the aircraft
// drifts with the wind: the course is the direction the wind blows towards and the ground speed
// the wind speed; with a TAS of 0 and calm wind the course is the heading and the ground speed 0.
CourseAndGroundSpeed solveCourseAndGroundSpeed(double tas, double heading, double windDirection,
                                               double windSpeed);

// The wind found from heading, course and ground speed.
struct UnknownWind {
    // Direction the wind blows from, degrees true, normally in [0, 360]. Shown "%03.0f°".
    double direction;
    // Wind speed in knots, >= 0. Shown "%1.0f kt".
    double speed;
};

// The wind that turns the flown heading at the given TAS into the course and ground speed made
// good.
//  tas: kt; heading and course: degrees true; groundSpeed: kt. The dialog refuses a TAS or a
//  ground speed of 0, but both are defined here: with a ground speed of 0 the wind blows from
//  the heading at the TAS; with a TAS of 0 it blows along the course at the ground speed (from
//  the reciprocal of the course); with both 0 it is calm (speed 0, direction the course).
// The direction is reduced into one turn by at most one correction each way, so inputs far
// outside 0..360 can give a direction outside 0..360.
UnknownWind solveUnknownWind(double tas, double heading, double course, double groundSpeed);

// Headwind (or tailwind) and crosswind components of a wind on a runway.
struct WindComponents {
    // Magnitude of the component along the runway, kt, >= 0. Shown "%1.0f kt" under the label
    // "Tailwind" when tailwind is true, else "Headwind".
    double alongRunway;
    // True when the wind blows from behind (the angle off the runway exceeds 90 degrees).
    bool tailwind;
    // Crosswind component, kt, >= 0 for directions within 0..360 (the side is not given).
    // Shown "%1.0f kt". A wind straight along the runway gives a tiny positive value shown 0 kt.
    double crosswind;
};

// runwayHeading, windDirection: degrees (0..360); windSpeed: kt. The angle between them is taken
// the short way round (350 and 010 are 20 degrees apart). No zero test is needed: calm wind gives
// 0 kt headwind and 0 kt crosswind.
WindComponents solveWindComponents(double runwayHeading, double windDirection, double windSpeed);

}  // namespace orvane
