#include "geo/magnetic_model.hpp"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace orvane {

namespace {

// The WGS 84 ellipsoid, and the radius the model's coefficients refer to.
constexpr double kEquatorialRadiusKm = 6378.137;
constexpr double kFlattening = 1.0 / 298.257223563;
constexpr double kEccentricitySquared = kFlattening * (2.0 - kFlattening);
constexpr double kReferenceRadiusKm = 6371.2;

constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;
// How close to a pole a latitude is taken: 1e-7 degrees, about a centimetre on the ground.
constexpr double kPoleLatitude = 90.0 - 1e-7;

constexpr double constantSqrt(double x) {
    double r = x < 1.0 ? 1.0 : x;
    for (int i = 0; i < 64; ++i) {
        r = 0.5 * (r + x / r);
    }
    return r;
}

// The factors of the recursion of the Schmidt semi-normalised functions in x = cos(colatitude)
// and y = sin(colatitude):
//   P(n, n) = diagonal[n] * y * P(n-1, n-1)
//   P(n, m) = along[n, m] * x * P(n-1, m) - back[n, m] * P(n-2, m)      (m < n)
struct Recursion {
    std::array<double, kMagneticModelTerms> along{}, back{};
    std::array<double, kMagneticModelDegree + 1> diagonal{};
};

constexpr Recursion makeRecursion() {
    Recursion r;
    for (int n = 1; n <= kMagneticModelDegree; ++n) {
        // From P(0, 0) = 1 to P(1, 1) = sin(colatitude): order 0 is not semi-normalised.
        r.diagonal[n] = n == 1 ? 1.0 : constantSqrt((2.0 * n - 1.0) / (2.0 * n));
        for (int m = 0; m < n; ++m) {
            const double norm = constantSqrt(static_cast<double>(n * n - m * m));
            r.along[magneticTerm(n, m)] = (2.0 * n - 1.0) / norm;
            r.back[magneticTerm(n, m)] =
                constantSqrt(static_cast<double>((n - 1) * (n - 1) - m * m)) / norm;
        }
    }
    return r;
}

constexpr Recursion kRecursion = makeRecursion();

}  // namespace

double magneticDeclination(const MagneticModel& model, double latitude, double longitude,
                           double heightKm, double year) {
    if (!std::isfinite(latitude) || !std::isfinite(longitude) || !std::isfinite(heightKm) ||
        !std::isfinite(year)) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    // Geodetic to geocentric: the distance from the earth's centre and the geocentric latitude
    // as its sine (x) and cosine (y).
    const double phi = std::clamp(latitude, -kPoleLatitude, kPoleLatitude) * kRadiansPerDegree;
    const double sinPhi = std::sin(phi);
    const double cosPhi = std::cos(phi);
    const double rc = kEquatorialRadiusKm / std::sqrt(1.0 - kEccentricitySquared * sinPhi * sinPhi);
    const double p = (rc + heightKm) * cosPhi;
    const double z = (rc * (1.0 - kEccentricitySquared) + heightKm) * sinPhi;
    const double r = std::sqrt(p * p + z * z);
    const double x = z / r;
    const double y = p / r;

    // cos(m lambda) and sin(m lambda) by the angle-sum rule.
    const double lambda = longitude * kRadiansPerDegree;
    std::array<double, kMagneticModelDegree + 1> cosM{}, sinM{};
    cosM[0] = 1.0;
    sinM[0] = 0.0;
    cosM[1] = std::cos(lambda);
    sinM[1] = std::sin(lambda);
    for (int m = 2; m <= kMagneticModelDegree; ++m) {
        cosM[m] = cosM[m - 1] * cosM[1] - sinM[m - 1] * sinM[1];
        sinM[m] = sinM[m - 1] * cosM[1] + cosM[m - 1] * sinM[1];
    }

    const double t = year - model.epoch;
    const double ratio = kReferenceRadiusKm / r;
    double radial = ratio * ratio;  // (a / r)^(n + 2), one factor added per degree

    // P(n, m) and its derivative by the colatitude.
    std::array<double, kMagneticModelTerms> pnm{}, dpnm{};
    pnm[0] = 1.0;
    dpnm[0] = 0.0;
    double north = 0.0, east = 0.0, down = 0.0;  // geocentric, nT
    for (int n = 1; n <= kMagneticModelDegree; ++n) {
        radial *= ratio;
        for (int m = 0; m <= n; ++m) {
            const int k = magneticTerm(n, m);
            if (m == n) {
                const int prev = magneticTerm(n - 1, n - 1);
                pnm[k] = kRecursion.diagonal[n] * y * pnm[prev];
                dpnm[k] = kRecursion.diagonal[n] * (x * pnm[prev] + y * dpnm[prev]);
            } else {
                const int prev = magneticTerm(n - 1, m);
                pnm[k] = kRecursion.along[k] * x * pnm[prev];
                dpnm[k] = kRecursion.along[k] * (x * dpnm[prev] - y * pnm[prev]);
                if (m <= n - 2) {
                    const int back = magneticTerm(n - 2, m);
                    pnm[k] -= kRecursion.back[k] * pnm[back];
                    dpnm[k] -= kRecursion.back[k] * dpnm[back];
                }
            }
            const double g = model.g[k] + t * model.gDot[k];
            const double h = model.h[k] + t * model.hDot[k];
            const double cosine = g * cosM[m] + h * sinM[m];
            north += radial * cosine * dpnm[k];
            east += radial * m * (g * sinM[m] - h * cosM[m]) * pnm[k];
            down -= radial * (n + 1) * cosine * pnm[k];
        }
    }
    // Every term of the east component carries a factor y (order m >= 1), so the division is
    // exact in the limit; the latitude never reaches the pole itself.
    east /= y;

    // From the geocentric to the geodetic north: rotate by the difference of the latitudes.
    const double cosDiff = y * cosPhi + x * sinPhi;
    const double sinDiff = x * cosPhi - y * sinPhi;
    const double geodeticNorth = north * cosDiff - down * sinDiff;
    return std::atan2(east, geodeticNorth) / kRadiansPerDegree;
}

bool magneticModelCurrent(const MagneticModel& model, double year) {
    return year >= model.epoch && year <= model.epoch + kMagneticModelYears;
}

double decimalYear(int year, int month, int day) {
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    month = std::clamp(month, 1, 12);
    const int inMonth = kDays[month - 1] + (month == 2 && leap ? 1 : 0);
    day = std::clamp(day, 1, inMonth);
    int dayOfYear = day;
    for (int m = 1; m < month; ++m) {
        dayOfYear += kDays[m - 1] + (m == 2 && leap ? 1 : 0);
    }
    return year + (dayOfYear - 1) / (leap ? 366.0 : 365.0);
}

}  // namespace orvane
