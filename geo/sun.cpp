#include "geo/sun.hpp"

#include <cmath>

#include "calc/angles.hpp"
#include "calc/numbers.hpp"

namespace orvane {

namespace {

constexpr double kTwoDegToRad = 0.034906585039886556;  // for the sine of twice the anomaly
constexpr double kHoursPerDegree = 0.06666666666666667;
constexpr double kCosZenith = -0.014543897651582;  // zenith 90 degrees 50 minutes

// One event, sunrise when rising, as UTC hours or a marker. n is the day of the year, lngHour
// the longitude in hours (east positive), latR the latitude in radians.
double sunEvent(bool rising, double n, double lngHour, double latR) {
    const double t = ((rising ? 6.0 : 18.0) - lngHour) * 0.041666666666666664 + n;
    const double m = t * 0.9856 - 3.289;  // mean anomaly, degrees
    double l = (1.916 * std::sin(m * kDegToRad) + m) + 0.02 * std::sin(m * kTwoDegToRad);
    l = l + 282.634;  // true longitude, degrees
    if (l > 360.0) {
        l -= 360.0;
    } else if (l < 0.0) {
        l += 360.0;
    }
    // Right ascension, put into the quadrant of the true longitude, in hours.
    double ra = std::atan(std::tan(l * kDegToRad) * 0.91764) * kRadToDegLow;
    const double lQuadrant = std::floor(l * 0.011111111111111112) * 90.0;
    const double raQuadrant = std::floor(ra * 0.011111111111111112) * 90.0;
    ra = ((lQuadrant - raQuadrant) + ra) * kHoursPerDegree;

    const double sinDec = std::sin(l * kDegToRad) * 0.39782;
    const double cosDec = std::cos(std::asin(sinDec));
    const double cosH = (kCosZenith - std::sin(latR) * sinDec) / (std::cos(latR) * cosDec);
    if (cosH > 1.0) {
        return kSunNeverRises;
    }
    if (cosH < -1.0) {
        return kSunNeverSets;
    }
    const double h = rising ? (360.0 - std::acos(cosH) * kRadToDeg) * kHoursPerDegree
                            : std::acos(cosH) * kRadToDeg * kHoursPerDegree;
    const double localMean = ((h + ra) - t * 0.06571) - 6.622;
    // Into the UTC day [0, 24). Near the date line at high latitude the event can lie more than
    // a day away (68 30N 180E on 5 December 2003 gives a sunset of -1:53 before reduction), so
    // one correction of 24 hours is not always enough. Within a day either side this is the
    // same single addition or subtraction, to the last digit.
    double ut = std::fmod(localMean - lngHour, 24.0);
    if (ut < 0.0) {
        ut += 24.0;
    }
    if (ut >= 24.0) {
        ut -= 24.0;  // a time a hair below midnight that rounded up on the addition
    }
    return ut;
}

}  // namespace

int dayOfYear(int year, int month, int day) {
    // Each quotient is a product with the reciprocal, floored; for every month and year this is
    // the integer quotient.
    const double y = year;
    const double mo = month;
    const double n1 = std::floor(275.0 * mo * 0.1111111111111111);
    const double n2 = std::floor((mo + 9.0) * 0.08333333333333333);
    const double n3 = 1.0 + std::floor((y - 4.0 * std::floor(y * 0.25) + 2.0) * 0.3333333333333333);
    return static_cast<int>(n1 - n2 * n3 + day - 30.0);
}

SunTimes sunriseSunset(double latDeg, double lonDegEast, int year, int month, int day) {
    if (latDeg == 90.0) {
        latDeg = 89.9999999999;
    } else if (latDeg == -90.0) {
        latDeg = -89.9999999999;
    }
    const double n = dayOfYear(year, month, day);
    const double lngHour = lonDegEast * kHoursPerDegree;
    const double latR = latDeg * kDegToRad;
    return {sunEvent(true, n, lngHour, latR), sunEvent(false, n, lngHour, latR)};
}

std::string formatSunTime(double hours, bool rise) {
    if (hours == kSunNeverRises || hours == kSunNeverSets) {
        return rise ? "no rise" : "no set";
    }
    const double whole = std::floor(hours);
    const auto h = truncToInt32(whole);
    const auto m = truncToInt32((hours - whole) * 60.0);
    if (!h || !m) {
        return kNoResult;
    }
    return formatC("%02d:%02d", *h, *m);
}

std::string sunCaption(int year, int month, int day, std::string_view dateOrderText) {
    if (dateOrderText == "0") {
        return formatC("UTC time %02d/%02d/%d", month, day, year);
    }
    return formatC("UTC time %02d/%02d/%d", day, month, year);
}

}  // namespace orvane
