// The World Magnetic Model: the declination of the earth's main field at a place and a date,
// from the spherical-harmonic coefficients of a model file (see magnetic_model_file.hpp).
//
// The field is summed to degree 12 with Schmidt semi-normalised associated Legendre functions
// in geocentric co-ordinates; the position is turned from geodetic (WGS 84) to geocentric
// first, and the field back into the geodetic north, east and down before the declination is
// taken. The coefficients change linearly in time from the model's epoch, outside its five years
// too (the model is then out of date, but still gives a value).
#pragma once

#include <array>
#include <string>

namespace orvane {

inline constexpr int kMagneticModelDegree = 12;
// Coefficients of degrees 1 to 12, each with orders 0 to n.
inline constexpr int kMagneticModelTerms =
    (kMagneticModelDegree + 1) * (kMagneticModelDegree + 2) / 2;
// The years after its epoch that a model is made for.
inline constexpr double kMagneticModelYears = 5.0;

// The index of the coefficient of degree n and order m (0 <= m <= n <= 12).
constexpr int magneticTerm(int n, int m) {
    return n * (n + 1) / 2 + m;
}

struct MagneticModel {
    std::string name;    // as the file calls it, "WMM-2025"
    double epoch = 0.0;  // decimal year the coefficients hold for, 2025.0
    // Gauss coefficients g and h in nT, and their yearly change in nT per year, by
    // magneticTerm(n, m). Degree 0 is unused and zero; h of order 0 is unused.
    std::array<double, kMagneticModelTerms> g{}, h{}, gDot{}, hDot{};
};

// The magnetic declination (the angle from true north to magnetic north) in degrees, EAST
// positive, in (-180, 180].
//   latitude   geodetic, degrees, north positive, -90 to 90. At a pole (closer than 1e-7
//              degrees, about a centimetre) the latitude is taken that far short of it, so the
//              value is the limit along the meridian of longitude: a value, never NaN.
//   longitude  degrees, EAST positive, any value (taken modulo one turn).
//   heightKm   above the WGS 84 ellipsoid in kilometres (0 at sea level); the model is made
//              for -1 to 850 km.
//   year       decimal year (see decimalYear); the coefficients are
//              g + (year - epoch) * gDot, inside the model's five years or not.
// A latitude, longitude, height or year that is not a finite number gives NaN.
double magneticDeclination(const MagneticModel& model, double latitude, double longitude,
                           double heightKm, double year);

// Whether a decimal year lies in the model's five years (epoch to epoch + 5, both included).
bool magneticModelCurrent(const MagneticModel& model, double year);

// The decimal year of a UTC date: year + (day of year - 1) / days in that year (365, or 366 in
// a leap year), so the 1st of January 2027 is 2027.0 and the 31st of December 2028 is
// 2028 + 365/366. Month is clamped to 1..12 and day to 1..the days of that month.
double decimalYear(int year, int month, int day);

}  // namespace orvane
