#include "calc/vertical.hpp"

namespace orvane {

namespace {

constexpr double kMinutesPerHour = 60.0;
constexpr double kHoursPerMinute = 0.016666666666666666;

}  // namespace

double solveVerticalRate(double first, double second, double groundSpeed, double distance) {
    const double minutes = (distance / groundSpeed) * kMinutesPerHour;
    return (first - second) / minutes;
}

double solveDistanceToLevel(double first, double second, double groundSpeed, double verticalSpeed) {
    return (first - second) / verticalSpeed * groundSpeed * kHoursPerMinute;
}

}  // namespace orvane
