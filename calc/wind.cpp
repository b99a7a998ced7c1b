#include "calc/wind.hpp"

#include <cmath>
#include <limits>

#include "calc/angles.hpp"
#include "calc/entry.hpp"
#include "calc/numbers.hpp"

namespace orvane {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

}  // namespace

HeadingAndGroundSpeed solveHeadingAndGroundSpeed(double tas, double course, double windDirection,
                                                 double windSpeed) {
    if (tas == 0.0) {
        return {kNaN, kNaN, kNaN, std::nullopt};
    }
    const double a = (windDirection - course) * kDegToRad;
    // Sine of the wind correction angle; beyond +/-1 the wind is stronger across than the TAS and
    // the square roots below give NaN.
    const double x = (windSpeed / tas) * std::sin(a);
    const double wca = std::atan(x / std::sqrt(1.0 - x * x));
    double h = wca + course * kDegToRad;
    if (h < 0.0) {
        h += kOneTurn;
    } else if (h > kOneTurn) {
        h -= kOneTurn;
    }
    const double heading = h * kRadToDeg;
    const double gs = std::sqrt(1.0 - x * x) * tas - std::cos(a) * windSpeed;
    const double shown = gs + 0.5;
    return {heading, gs, shown, truncToInt32(shown + 0.5)};
}

CourseAndGroundSpeed solveCourseAndGroundSpeed(double tas, double heading, double windDirection,
                                               double windSpeed) {
    const double hr = heading * kDegToRad;
    const double wr = windDirection * kDegToRad;
    const double a = hr - wr;
    const double drift = std::atan2(windSpeed * std::sin(a), tas - windSpeed * std::cos(a));
    const double course = wrapAngle(hr + drift, kOneTurn) * kRadToDeg;
    const double gs = std::sqrt(std::pow(windSpeed, 2.0) + std::pow(tas, 2.0) -
                                std::cos(a) * tas * windSpeed * 2.0);
    return {course, gs};
}

UnknownWind solveUnknownWind(double tas, double heading, double course, double groundSpeed) {
    const double hr = heading * kDegToRad;
    const double cr = course * kDegToRad;
    const double a = hr - cr;
    double w = std::atan2(tas * std::sin(a), tas * std::cos(a) - groundSpeed) + cr;
    if (w < 0.0) {
        w += kOneTurn;
    }
    if (w > kOneTurn) {
        w -= kOneTurn;
    }
    const double speed = std::sqrt(std::pow(tas - groundSpeed, 2.0) +
                                   std::pow(std::sin(a * 0.5), 2.0) * tas * groundSpeed * 4.0);
    return {w * kRadToDeg, speed};
}

WindComponents solveWindComponents(double runwayHeading, double windDirection, double windSpeed) {
    double d = std::fabs(windDirection - runwayHeading);
    if (d > 180.0) {
        d = 360.0 - d;
    }
    const double a = d * kDegToRad;
    const double crosswind = std::sin(a) * windSpeed;
    const double along = std::cos(a) * windSpeed;
    return {std::fabs(along), along < 0.0, crosswind};
}

}  // namespace orvane
