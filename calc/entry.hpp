// Entry helpers shared by the calculators: reducing an angle into one turn and reading an "h:mm"
// time text.
#pragma once

#include <string>
#include <string_view>

#include "calc/angles.hpp"

namespace orvane {

// Reduces value into one turn of length period (same unit as value; callers pass radians and
// kOneTurn). period must be greater than 0.
//
//  * value >= 0: value - n * period, with n = value / period truncated toward zero; the result
//    lies in [0, period). A negative zero gives zero, so that no direction reads "-00.0°".
//  * value < 0: 0 when value / period is a whole number (so -period gives 0), otherwise
//    value - (n - 1) * period, in [0, period).
//  * The one result outside [0, period): a negative value so small that value + period rounds
//    to period returns period itself (e.g. -1e-20 gives 6.28318530717958).
//  * When value / period is too large for a 32-bit integer (more than about two thousand million
//    turns) the remainder is taken with fmod instead: still in [0, period], never undefined.
//  * A value that is not finite (or a period of 0) gives NaN.
double wrapAngle(double value, double period);

// The result of reading an "h:mm" time text.
struct ClockTime {
    // Minutes (hours * 60 + minutes), or -1.0 when the text is rejected. Callers test for < 0.
    double minutes = -1.0;
    // The text before the colon when the text was accepted (what is left of a field once the
    // colon has been cut off); the whole text, unchanged, when it was rejected.
    std::string hoursText;
};

// Reads a time text of the form h:mm (UTF-8, already cut to the field's 14 characters).
//
// Accepted: texts of exactly 4 characters (characters, not bytes: "é:30" has 4) that hold a ':'
// and whose minutes, read as a number from the third character onward, are at most 59.0.
// minutes = hours * 60.0 + minutes, where hours is the number read from the text before the
// first colon and each number is the longest leading number (0 when there is none).
//
// So 0:00 to 9:59 are the well-formed times; 10:00 and longer, 130 (no colon) and 1:60 are
// rejected. The reading is lenient inside 4 characters: 12:3 gives 720 (the minutes are read from
// ":3", which is no number), :130 gives 30, a:30 gives 30 and 1:-5 gives 55.
//
// A character is a UTF-8 lead byte or a plain byte; a stray continuation byte counts with the
// character before it (at the start it counts as nothing).
ClockTime parseClockTime(std::string_view text);

}  // namespace orvane
