// The loading envelope: inside or outside, its text form, and the sheet's status line.
#include "perf/envelope.hpp"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace orvane {
namespace {

using Outline = std::vector<EnvelopePoint>;

// A normal-category envelope: a forward limit that moves aft above 1950, flat aft limit.
const Outline kConvex = {{1500, 80}, {1950, 80}, {2450, 86}, {2450, 93}, {1500, 93}};
// A utility notch cut into the aft side: above 2000 the aft limit is 88, below it 93.
const Outline kConcave = {{1500, 80}, {2450, 80}, {2450, 88}, {2000, 88}, {2000, 93}, {1500, 93}};

struct InsideCase {
    const char* what;
    const Outline* outline;
    double weight, cg;
    bool inside;
};

const Outline kCollinear = {{1000, 80}, {2000, 90}, {1500, 85}};
const Outline kTwoPoints = {{1000, 80}, {2000, 90}};
const Outline kBowTie = {{1000, 80}, {2000, 90}, {2000, 80}, {1000, 90}};
const Outline kRepeatedCorner = {{1500, 80}, {1500, 80}, {2450, 80}, {2450, 93}, {1500, 93}};

const InsideCase kInsideCases[] = {
    {"convex, well inside", &kConvex, 2000, 88, true},
    {"convex, on the sloping forward limit", &kConvex, 2200, 83, true},
    {"convex, a corner", &kConvex, 2450, 86, true},
    {"convex, the top edge", &kConvex, 2450, 90, true},
    {"convex, typed decimals on the slope", &kConvex, 2075, 81.5, true},
    {"convex, just forward of the slope", &kConvex, 2200, 82.99, false},
    {"convex, just over the top", &kConvex, 2450.01, 90, false},
    {"convex, just aft", &kConvex, 1800, 93.001, false},
    {"convex, level with a corner, outside", &kConvex, 1950, 79, false},
    {"concave, in the notch's lower part", &kConcave, 1800, 92, true},
    {"concave, inside the notch is outside", &kConcave, 2200, 90, false},
    {"concave, the notch's inner corner", &kConcave, 2000, 88, true},
    {"concave, the notch's floor", &kConcave, 2000, 91, true},
    {"concave, level with the notch's floor, forward", &kConcave, 2000, 84, true},
    {"no area: a point of its edges", &kCollinear, 1250, 82.5, true},
    {"no area: beside its edges", &kCollinear, 1500, 84, false},
    {"two points are no outline", &kTwoPoints, 1500, 85, false},
    {"crossing edges, even-odd: a lobe", &kBowTie, 1200, 85, true},
    {"crossing edges: where they cross", &kBowTie, 1500, 85, true},
    {"a repeated corner", &kRepeatedCorner, 1500, 80, true},
    {"a repeated corner, inside", &kRepeatedCorner, 2000, 85, true},
};

TEST(Envelope, InsideOutsideOnTheEdgeAndAtTheCorners) {
    for (const InsideCase& c : kInsideCases) {
        EXPECT_EQ(insideEnvelope(*c.outline, c.weight, c.cg), c.inside) << c.what;
    }
}

TEST(Envelope, ALoadingThatIsNotANumberIsNeverInside) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_FALSE(insideEnvelope(kConvex, nan, 85));
    EXPECT_FALSE(insideEnvelope(kConvex, 2000, nan));
    EXPECT_FALSE(insideEnvelope(kConvex, inf, 85));
    EXPECT_FALSE(insideEnvelope(Outline{}, 2000, 85));
}

struct ReadCase {
    const char* text;
    EnvelopeError error;
    std::size_t badPoint;
    const char* formatted;  // the text form of what was read
};

const ReadCase kReadCases[] = {
    {"1500,80;2450,86;2450,93", EnvelopeError::None, 0, "1500,80;2450,86;2450,93"},
    {" 1500 , 80 ; 2450,86.25;\t2450 ,93 ", EnvelopeError::None, 0, "1500,80;2450,86.25;2450,93"},
    {"-1.5e3,+8e1;0.5,.5;2.,3", EnvelopeError::None, 0, "-1500,80;0.5,0.5;2,3"},
    {"", EnvelopeError::None, 0, ""},
    {"   ", EnvelopeError::None, 0, ""},
    {"1500,80;2300", EnvelopeError::NotTwoNumbers, 2, ""},
    {"1500,80;x,85;2000,90", EnvelopeError::NotTwoNumbers, 2, ""},
    {"1500,80,3;2000,85;2000,90", EnvelopeError::NotTwoNumbers, 1, ""},
    {"1500 80;2000,85;2000,90", EnvelopeError::NotTwoNumbers, 1, ""},
    {"1500,80kg;2000,85;2000,90", EnvelopeError::NotTwoNumbers, 1, ""},
    {"1e999,80;2000,85;2000,90", EnvelopeError::NotTwoNumbers, 1, ""},
    {"1e,80;2000,85;2000,90", EnvelopeError::NotTwoNumbers, 1, ""},
    {"inf,80;2000,85;2000,90", EnvelopeError::NotTwoNumbers, 1, ""},
    {"1500,80;2000,85;2000,90;", EnvelopeError::NotTwoNumbers, 4, ""},
    {";1500,80;2000,85;2000,90", EnvelopeError::NotTwoNumbers, 1, ""},
    {"1500,80", EnvelopeError::TooFewPoints, 0, ""},
    {"1500,80;2000,85", EnvelopeError::TooFewPoints, 0, ""},
    {"1,1;2,2;3,3;4,4;5,5;6,6;7,7;8,8;9,9;10,10;11,11;12,12;13,13;14,14;15,15;16,16",
     EnvelopeError::None, 0,
     "1,1;2,2;3,3;4,4;5,5;6,6;7,7;8,8;9,9;10,10;11,11;12,12;13,13;14,14;15,15;16,16"},
    {"1,1;2,2;3,3;4,4;5,5;6,6;7,7;8,8;9,9;10,10;11,11;12,12;13,13;14,14;15,15;16,16;17,17",
     EnvelopeError::TooManyPoints, 0, ""},
};

TEST(Envelope, TextFormReadAndWritten) {
    for (const ReadCase& c : kReadCases) {
        const EnvelopeReading r = readEnvelope(c.text);
        EXPECT_EQ(r.error, c.error) << c.text;
        EXPECT_EQ(r.badPoint, c.badPoint) << c.text;
        EXPECT_EQ(formatEnvelope(r.points), c.formatted) << c.text;
    }
}

TEST(Envelope, EveryOutlineReadsBackFromItsTextExactly) {
    const Outline awkward = {{1670.3, 85.27}, {0.1, 1e-7}, {123456789.123, -0.000123}};
    const EnvelopeReading back = readEnvelope(formatEnvelope(awkward));
    ASSERT_EQ(back.error, EnvelopeError::None);
    ASSERT_EQ(back.points.size(), awkward.size());
    for (std::size_t i = 0; i < awkward.size(); ++i) {
        EXPECT_EQ(back.points[i].weight, awkward[i].weight) << i;
        EXPECT_EQ(back.points[i].cg, awkward[i].cg) << i;
    }
}

struct StatusCase {
    const char* what;
    double weight, cg;
    std::int32_t maxTakeOffWeight;
    const Outline* envelope;
    const char* status;
};

const Outline kNone;
const StatusCase kStatusCases[] = {
    {"neither limit", 2600, 70, 0, &kNone, "No limits set"},
    {"a maximum of 0 or less is none", 2600, 70, -5, &kNone, "No limits set"},
    {"under the maximum", 2400, 88, 2450, &kNone, "Within limits"},
    {"exactly at the maximum", 2450, 88, 2450, &kNone, "Within limits"},
    {"over the maximum", 2485, 88, 2450, &kNone, "Over max weight by 35.0"},
    // Regression: a loading a fraction over the limit read "Over max weight by 0.0".
    {"over by a fraction rounds up to a tenth", 2450.04, 88, 2450, &kNone,
     "Over max weight by 0.1"},
    {"a typed tenth stays that tenth", 2485.3, 88, 2450, &kNone, "Over max weight by 35.3"},
    {"rounding noise is not an overload", 2450.0000000001, 88, 2450, &kNone, "Within limits"},
    {"inside the envelope, no maximum", 2000, 88, 0, &kConvex, "Within limits"},
    {"on its outline", 2450, 93, 0, &kConvex, "Within limits"},
    {"outside the envelope", 2000, 79, 0, &kConvex, "C of G outside envelope"},
    {"both", 2485, 88, 2450, &kConvex, "Over max weight by 35.0, C of G outside envelope"},
    {"an empty sheet is outside", 0, 0, 2450, &kConvex, "C of G outside envelope"},
    {"no total weight", std::numeric_limits<double>::infinity(), 88, 2450, &kConvex, "----"},
    {"no centre of gravity", 2000, std::numeric_limits<double>::quiet_NaN(), 2450, &kConvex,
     "----"},
};

TEST(Envelope, SheetStatusLine) {
    for (const StatusCase& c : kStatusCases) {
        EXPECT_EQ(loadingStatus(c.weight, c.cg, c.maxTakeOffWeight, *c.envelope), c.status)
            << c.what;
    }
}

}  // namespace
}  // namespace orvane
