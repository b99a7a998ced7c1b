#include "calc/entry.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace orvane {
namespace {

constexpr double K = kOneTurn;

TEST(WrapAngle, ReducesIntoOneTurnFromEitherSide) {
    struct Case {
        double value, expected;
    };
    const Case cases[] = {
        {0.0, 0.0},      {1.0, 1.0},           {K, 0.0},
        {7.0, 7.0 - K},  {13.0, 13.0 - 2 * K}, {-1.0, K - 1.0},
        {-K, 0.0},       {-7.0, -7.0 + 2 * K}, {-13.0, -13.0 + 3 * K},
        {-3.0 * K, 0.0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(wrapAngle(c.value, K), c.expected) << c.value;
    }
}

// Regression: a rhumb line westward from the south pole reduced -0 to -0, shown "-00.0°".
TEST(WrapAngle, NegativeZeroComesOutAsZero) {
    EXPECT_FALSE(std::signbit(wrapAngle(-0.0, K)));
    EXPECT_FALSE(std::signbit(wrapAngle(0.0, K)));
}

TEST(WrapAngle, TinyNegativeAngleRoundsUpToTheWholeTurn) {
    EXPECT_EQ(wrapAngle(-1e-20, K), K);
}

TEST(WrapAngle, MoreTurnsThanACountCanHoldStayDefined) {
    for (const double v : {1e12, -1e12, 1e300, -1e300}) {
        const double r = wrapAngle(v, K);
        EXPECT_GE(r, 0.0) << v;
        EXPECT_LE(r, K) << v;
    }
}

TEST(WrapAngle, NotANumberInGivesNotANumberOut) {
    EXPECT_TRUE(std::isnan(wrapAngle(std::numeric_limits<double>::infinity(), K)));
    EXPECT_TRUE(std::isnan(wrapAngle(std::numeric_limits<double>::quiet_NaN(), K)));
}

struct ClockCase {
    const char* text;
    double minutes;
    const char* hoursText;
};

TEST(ParseClockTime, WellFormedAndLenientFourCharacterTimes) {
    const ClockCase cases[] = {
        {"1:30", 90.0, "1"}, {"9:59", 599.0, "9"},  {"0:00", 0.0, "0"},
        {"0:59", 59.0, "0"}, {"12:3", 720.0, "12"}, {":130", 30.0, ""},
        {"1:-5", 55.0, "1"}, {"a:30", 30.0, "a"},   {"1: 5", 65.0, "1"},
    };
    for (const auto& c : cases) {
        const ClockTime t = parseClockTime(c.text);
        EXPECT_EQ(t.minutes, c.minutes) << c.text;
        EXPECT_EQ(t.hoursText, c.hoursText) << c.text;
    }
}

TEST(ParseClockTime, RejectedTextsComeBackUnchanged) {
    for (const char* text : {"1:60", "10:30", "130", "", "1:3", "1:300", "0:99", "abcd"}) {
        const ClockTime t = parseClockTime(text);
        EXPECT_EQ(t.minutes, -1.0) << text;
        EXPECT_EQ(t.hoursText, text) << text;
    }
}

TEST(ParseClockTime, LengthCountsCharactersNotBytes) {
    const ClockCase cases[] = {
        {"\u00e9:30", 30.0, "\u00e9"},  // 5 bytes, 4 characters
        {"12:\u00e9", 720.0, "12"},     // minutes read from ":é", no number
        {"1:5\U0001F600", 65.0, "1"},   // a four-byte character
    };
    for (const auto& c : cases) {
        const ClockTime t = parseClockTime(c.text);
        EXPECT_EQ(t.minutes, c.minutes) << c.text;
        EXPECT_EQ(t.hoursText, c.hoursText) << c.text;
    }
    EXPECT_EQ(parseClockTime("\u00e9:300").minutes, -1.0);  // 5 characters
    EXPECT_EQ(parseClockTime("\u00e9:3").minutes, -1.0);    // 4 bytes but 3 characters
}

}  // namespace
}  // namespace orvane
