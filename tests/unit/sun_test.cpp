#include "geo/sun.hpp"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "geo/position.hpp"

namespace orvane {
namespace {

// A place as the sunrise dialog reads it: typed degrees and minutes with the hemisphere letters,
// turned into north-positive latitude and EAST-positive longitude.
struct Place {
    const char* name;
    double latDeg, latMin;
    bool south;
    double lonDeg, lonMin;
    bool east;
};

double latitude(const Place& p) {
    const double lat = enteredDegrees(p.latDeg, p.latMin, 0.0);
    return p.south ? lat * -1.0 : lat;
}

double longitudeEast(const Place& p) {
    const double lon = enteredDegrees(p.lonDeg, p.lonMin, 0.0) * -1.0;
    return p.east ? lon * -1.0 : lon;
}

struct SunCase {
    Place place;
    int year, month, day;
    const char* rise;
    const char* set;
};

void expectTimes(const SunCase* cases, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        const SunCase& c = cases[i];
        const SunTimes t =
            sunriseSunset(latitude(c.place), longitudeEast(c.place), c.year, c.month, c.day);
        EXPECT_EQ(formatSunTime(t.sunrise, true), c.rise)
            << c.place.name << " " << c.year << "-" << c.month << "-" << c.day;
        EXPECT_EQ(formatSunTime(t.sunset, false), c.set)
            << c.place.name << " " << c.year << "-" << c.month << "-" << c.day;
    }
}

const Place kGreenwich{"51 28N 000 00W", 51, 28, false, 0, 0, false};

TEST(SunriseSunset, TimesOfTheDayAtMidLatitudes) {
    const SunCase cases[] = {
        {kGreenwich, 2003, 6, 21, "03:42", "20:20"},
        {kGreenwich, 2003, 12, 21, "08:02", "15:53"},
        // Leap day and 1 March of a common year are both day 60.
        {kGreenwich, 2004, 2, 29, "06:46", "17:39"},
        {kGreenwich, 2003, 3, 1, "06:46", "17:39"},
        {kGreenwich, 2004, 3, 1, "06:43", "17:41"},
        {{"zero longitude with E", 51, 28, false, 0, 0, true}, 2003, 6, 21, "03:42", "20:20"},
    };
    expectTimes(cases, std::size(cases));
    // The minutes are truncated: 3.7108 hours is 42.65 minutes past three.
    EXPECT_NEAR(sunriseSunset(latitude(kGreenwich), 0.0, 2003, 6, 21).sunrise, 3.7108, 5e-5);
}

TEST(SunriseSunset, EventsOnTheOtherSideOfMidnightUtc) {
    const SunCase cases[] = {
        // Sunset after midnight UTC: 24 hours come off.
        {{"40 42N 074 00W", 40, 42, false, 74, 0, false}, 2003, 6, 21, "09:24", "00:30"},
        // Sunrise before midnight UTC: 24 hours are added.
        {{"33 54S 151 12E", 33, 54, true, 151, 12, true}, 2003, 6, 21, "20:59", "06:53"},
        {{"66 00N 018 00E", 66, 0, false, 18, 0, true}, 2003, 6, 10, "23:17", "22:21"},
    };
    expectTimes(cases, std::size(cases));
}

// Regression: a single correction of 24 hours left times outside the day near the date line at
// high latitude ("-1:53" and "24:03").
TEST(SunriseSunset, EveryTimeLiesInTheUtcDayNearTheDateLine) {
    const SunCase cases[] = {
        {{"68 30N 180 00E", 68, 30, false, 180, 0, true}, 2003, 12, 5, "23:31", "23:53"},
        {{"73 30N 180 00W", 73, 30, false, 180, 0, false}, 2003, 1, 31, "00:03", "00:45"},
    };
    expectTimes(cases, std::size(cases));
    for (const SunCase& c : cases) {
        const SunTimes t =
            sunriseSunset(latitude(c.place), longitudeEast(c.place), c.year, c.month, c.day);
        for (double hours : {t.sunrise, t.sunset}) {
            EXPECT_GE(hours, 0.0) << c.place.name;
            EXPECT_LT(hours, 24.0) << c.place.name;
        }
    }
}

TEST(SunriseSunset, PolarDayAndNightGiveMarkers) {
    const Place north70{"70 00N 000 00W", 70, 0, false, 0, 0, false};
    const Place pole{"90 00N", 90, 0, false, 0, 0, false};
    const SunCase cases[] = {
        {north70, 2003, 12, 21, "no rise", "no set"},
        {north70, 2003, 6, 21, "no rise", "no set"},
        {pole, 2003, 6, 21, "no rise", "no set"},
    };
    expectTimes(cases, std::size(cases));

    const SunTimes night = sunriseSunset(70.0, 0.0, 2003, 12, 21);
    EXPECT_EQ(night.sunrise, kSunNeverRises);
    EXPECT_EQ(night.sunset, kSunNeverRises);
    const SunTimes day = sunriseSunset(70.0, 0.0, 2003, 6, 21);
    EXPECT_EQ(day.sunrise, kSunNeverSets);
    EXPECT_EQ(day.sunset, kSunNeverSets);
    // The poles themselves are taken just short of the pole, so they give markers, not NaN.
    EXPECT_EQ(sunriseSunset(90.0, 0.0, 2003, 6, 21).sunrise, kSunNeverSets);
    EXPECT_EQ(sunriseSunset(-90.0, 0.0, 2003, 6, 21).sunset, kSunNeverRises);
}

TEST(DayOfYear, CountsFromFirstJanuaryWithEveryFourthYearLeap) {
    const struct {
        int year, month, day, n;
    } cases[] = {
        {2003, 1, 1, 1},    {2003, 12, 31, 365}, {2004, 12, 31, 366}, {2004, 2, 29, 60},
        {2003, 3, 1, 60},   {2004, 3, 1, 61},    {2000, 3, 1, 61},    {2100, 3, 1, 61},
        {2003, 6, 21, 172}, {2003, 2, 28, 59},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(dayOfYear(c.year, c.month, c.day), c.n) << c.year << "-" << c.month;
    }
}

TEST(DayOfYear, AgreesWithTheCalendarForEveryDate) {
    const int monthDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int year = 1980; year <= 2040; ++year) {
        int n = 0;
        for (int month = 1; month <= 12; ++month) {
            const int days = monthDays[month - 1] + (month == 2 && year % 4 == 0 ? 1 : 0);
            for (int day = 1; day <= days; ++day) {
                ASSERT_EQ(dayOfYear(year, month, day), ++n) << year << "-" << month << "-" << day;
            }
        }
    }
}

TEST(FormatSunTime, HoursAndTruncatedMinutesOrNoEvent) {
    const struct {
        double hours;
        bool rise;
        const char* shown;
    } cases[] = {
        {3.7108, true, "03:42"},
        {0.509248, false, "00:30"},
        {23.9999, true, "23:59"},
        {0.0, false, "00:00"},
        {99.0, true, "no rise"},
        {-99.0, true, "no rise"},
        {99.0, false, "no set"},
        {-99.0, false, "no set"},
        {std::numeric_limits<double>::quiet_NaN(), true, "----"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(formatSunTime(c.hours, c.rise), c.shown) << c.hours;
    }
}

TEST(SunCaption, MonthFirstOnlyForDateOrderZero) {
    EXPECT_EQ(sunCaption(2003, 6, 21, "0"), "UTC time 06/21/2003");
    EXPECT_EQ(sunCaption(2003, 6, 21, "1"), "UTC time 21/06/2003");
    EXPECT_EQ(sunCaption(2003, 6, 21, "2"), "UTC time 21/06/2003");
    EXPECT_EQ(sunCaption(2003, 6, 21, ""), "UTC time 21/06/2003");
    EXPECT_EQ(sunCaption(2003, 6, 21, "00"), "UTC time 21/06/2003");
}

}  // namespace
}  // namespace orvane
