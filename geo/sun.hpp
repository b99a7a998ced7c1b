// Sunrise and sunset in UTC for a position and a calendar date.
//
// The published almanac method: estimate the time of the event from the longitude, find the
// sun's mean anomaly, true longitude, right ascension and declination then, and the local hour
// angle for a zenith of 90 degrees 50 minutes (the sun's upper limb on the horizon with standard
// refraction).
//
// NOTE the sign of the longitude: EAST positive here, the opposite of the great circle and of
// the home position. The sunrise dialog turns the typed west longitude negative.
#pragma once

#include <string>
#include <string_view>

namespace orvane {

// Results that are not times: the sun stays below the horizon all day (no rise, no set), or
// above it all day. Each event is judged at its own estimated time, so on a day when this
// changes one event may have a time and the other a marker.
inline constexpr double kSunNeverRises = 99.0;
inline constexpr double kSunNeverSets = -99.0;

struct SunTimes {
    double sunrise;  // hours of UTC in [0, 24), or one of the markers above
    double sunset;   // the same
};

// latDeg: degrees, north positive; exactly 90.0 and -90.0 are taken as +/-89.9999999999 (the
// pole itself has no defined hour angle). lonDegEast: degrees, EAST positive. year, month (1 to
// 12), day (1 to 31): the UTC date. A time that falls before midnight UTC comes out 24 hours
// later on the same date (a sunrise of 20:59 at Sydney in June), one after midnight 24 hours
// earlier; every time is brought into [0, 24), however far outside it the estimate lands (near
// the date line at high latitude more than one day's correction). Latitudes beyond +/-90 (a total
// such as 90 degrees 30 minutes, which the entry fields allow) are used as given.
SunTimes sunriseSunset(double latDeg, double lonDegEast, int year, int month, int day);

// The day of the year, 1 January being day 1 and 31 December day 365 or 366. Every year divisible
// by 4 is a leap year, centuries included (2100 counts as a leap year; the almanac method's own
// simplification). month 1 to 12, day 1 to 31.
int dayOfYear(int year, int month, int day);

// An event time as the pilot reads it: "%02d:%02d" with the whole hours (floor) and the minutes
// truncated, not rounded (3.7108 hours shows 03:42). Either marker shows "no rise" when rise is
// true, "no set" otherwise. A value that is not a finite number shows "----".
std::string formatSunTime(double hours, bool rise);

// The caption of the results box: "UTC time %02d/%02d/%d" with month, day, year when the locale's
// short date order text is exactly "0" (month first), and day, month, year for any other text,
// an empty one included.
std::string sunCaption(int year, int month, int day, std::string_view dateOrderText);

}  // namespace orvane
