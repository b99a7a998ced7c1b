// The angle constants every calculation uses, each defined once.
//
// They are the decimals the program was built with, not the values derived from the exact pi:
// pi to 14 decimals, and the factors computed from it. Several differ from the true values in
// their last digits (degrees to radians 0.017453292519943278 against 0.017453292519943295, one
// turn 6.28318530717958 against 6.283185307179586), and the digits the pilot reads (a course of
// 359.96 that shows 360.0, a calm leg that reads 00:59) depend on these decimals, so they are
// kept exactly as they stand.
#pragma once

namespace orvane {

inline constexpr double kPi = 3.14159265358979;       // 14 decimals, not 3.141592653589793
inline constexpr double kOneTurn = 6.28318530717958;  // two pi, as every wrapAngle caller passes it
inline constexpr double kDegToRad = 0.017453292519943278;  // 3.14159265358979 / 180
// Radians to degrees. Two values one unit in the last place apart: the holding pattern and the
// sun's right ascension were built with the lower one, every other calculation with the higher.
inline constexpr double kRadToDeg = 57.29577951308239;
inline constexpr double kRadToDegLow = 57.29577951308238;

}  // namespace orvane
