// The loading envelope of an aircraft and whether a loading lies within its limits.
//
// An envelope is the outline of the permitted loadings in the flight manual's loading graph:
// points (weight, centre of gravity) in order around the outline, the last joined back to the
// first. Weights are in the weight unit of the loading sheet, centres of gravity in its arm unit
// (the arm as the pilot sees it, not the tenths the aircraft data holds). Any finite values are
// accepted, negative ones included; the outline may be convex or concave.
//
// Text form (as typed in the Aircraft dialog and as stored in the settings file):
// "weight,cg;weight,cg;..." with spaces allowed around each number. Each number is a whole
// decimal number (sign, digits, point, exponent), nothing else. An empty text (or spaces only)
// is no envelope.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

struct EnvelopePoint {
    double weight;  // weight unit
    double cg;      // arm unit, aft positive
};

inline constexpr std::size_t kMinEnvelopePoints = 3;
inline constexpr std::size_t kMaxEnvelopePoints = 16;

// Whether the loading (weight, cg) lies within the outline. A loading on an edge or on a corner
// counts as inside; "on" allows a relative 1e-9 of the edge's extent, so that a loading typed
// with the same decimals as the corners is not put outside by rounding. Crossing edges are taken
// by the even-odd rule.
//
// Degenerate outlines: fewer than 3 points is no outline, and nothing is inside it (the caller
// treats an empty envelope as none). An outline with no area (every point on one line, or all
// the same point) contains exactly the points of its edges. A weight or cg that is not a finite
// number is never inside.
bool insideEnvelope(std::span<const EnvelopePoint> outline, double weight, double cg);

// What reading an envelope's text found.
enum class EnvelopeError {
    None,
    NotTwoNumbers,  // point badPoint (from 1) is not "number,number"
    TooFewPoints,   // 1 or 2 points
    TooManyPoints,  // more than kMaxEnvelopePoints
};

struct EnvelopeReading {
    EnvelopeError error = EnvelopeError::None;
    std::size_t badPoint = 0;           // NotTwoNumbers: the point's place, from 1
    std::vector<EnvelopePoint> points;  // None: the outline (empty: no envelope)
};

// Reads the text form. A number must be finite ("1e999" is not a number here).
EnvelopeReading readEnvelope(std::string_view text);

// The text form, each number with up to 15 significant digits ("%.15g"), so that a number typed
// with 15 digits or fewer reads back as the same value.
std::string formatEnvelope(std::span<const EnvelopePoint> points);

// The weight-and-balance sheet's verdict on a loading, as one line of text:
//   "No limits set"                  no maximum take-off weight (0 or less) and no envelope
//   "Within limits"                  no limit broken
//   "Over max weight by 35.0"        weight - maxTakeOffWeight with "%1.1f", rounded up to the
//                                    tenth (a fraction over never reads 0.0)
//   "C of G outside envelope"        the loading is not inside the envelope
//   "Over max weight by 35.0, C of G outside envelope"   both
//   "----"                           the weight or the cg is not a finite number
// A weight exactly at the maximum is within it.
std::string loadingStatus(double weight, double cg, std::int32_t maxTakeOffWeight,
                          std::span<const EnvelopePoint> envelope);

}  // namespace orvane
