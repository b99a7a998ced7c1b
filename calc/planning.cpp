#include "calc/planning.hpp"

#include <cmath>
#include <limits>
#include <optional>

#include "calc/angles.hpp"
#include "calc/numbers.hpp"

namespace orvane {

namespace {

constexpr double kMinutesPerHour = 60.0;
constexpr double kHoursPerMinute = 0.016666666666666666;

// Holding pattern constants: its radians-to-degrees differs from the other calculators' one.
constexpr double kDriftCorrectionLimit = 30.0;  // degrees
constexpr double kWindSectorLow = 30.0;         // degrees
constexpr double kWindSectorHigh = 330.0;       // degrees
constexpr double kStandardLeg = 60.0;           // seconds

bool fitsInt32(std::int64_t v) {
    return v >= std::numeric_limits<std::int32_t>::min() &&
           v <= std::numeric_limits<std::int32_t>::max();
}

double limitCorrection(double c) {
    if (c > kDriftCorrectionLimit) {
        return kDriftCorrectionLimit;
    }
    if (c < -kDriftCorrectionLimit) {
        return -kDriftCorrectionLimit;
    }
    return c;
}

}  // namespace

FuelPlan solveFuelPlan(double fuelFlow, double distance, double groundSpeed) {
    const double flightTime = distance / groundSpeed * kMinutesPerHour;
    const double fuel = fuelFlow * flightTime * kHoursPerMinute;
    return {flightTime, fuel};
}

std::string formatFlightTime(double minutes) {
    const std::optional<std::int32_t> h = truncToInt32(minutes * kHoursPerMinute);
    const std::optional<std::int32_t> m = truncToInt32(std::fmod(minutes, kMinutesPerHour));
    if (!h || !m) {
        return kNoResult;
    }
    return formatC("%d:%02d", *h, *m);
}

std::string formatCostingTime(double flightTime) {
    const double hours = std::floor(flightTime * kHoursPerMinute);
    const double minutes = std::floor(std::fmod(flightTime, kMinutesPerHour));
    if (!std::isfinite(hours) || !std::isfinite(minutes)) {
        return kNoResult;
    }
    return formatC("%01.0f:%02.0f", hours, minutes);
}

double solveTripCost(double minutes, double hourlyCost) {
    return minutes * hourlyCost * kHoursPerMinute;
}

std::string formatTripCost(std::string_view currencySymbol, double cost) {
    if (!std::isfinite(cost)) {
        return kNoResult;
    }
    return std::string(currencySymbol) + formatReal("%1.2f", cost);
}

bool addToLogbookTotals(LogbookTotals& totals, double hoursInput, double minutesInput) {
    const std::optional<std::int32_t> hours = truncToInt32(hoursInput);
    const std::optional<std::int32_t> minutes = truncToInt32(minutesInput);
    if (!hours || !minutes) {
        return false;
    }
    const std::int64_t newHours = std::int64_t{totals.hours} + *hours;
    const std::int64_t newMinutes = std::int64_t{totals.minutes} + *minutes;
    if (!fitsInt32(newHours) || !fitsInt32(newMinutes) || !fitsInt32(newHours + newMinutes / 60)) {
        return false;
    }
    totals.hours = static_cast<std::int32_t>(newHours);
    totals.minutes = static_cast<std::int32_t>(newMinutes);
    return true;
}

LogbookDisplay logbookDisplay(const LogbookTotals& totals) {
    std::int64_t hours = std::int64_t{totals.hours} + totals.minutes / 60;
    if (hours > std::numeric_limits<std::int32_t>::max()) {
        hours = std::numeric_limits<std::int32_t>::max();
    } else if (hours < std::numeric_limits<std::int32_t>::min()) {
        hours = std::numeric_limits<std::int32_t>::min();
    }
    return {static_cast<std::int32_t>(hours), totals.minutes % 60};
}

HoldingPattern solveHoldingPattern(double tas, double inboundCourse, double windDirection,
                                   double windSpeed) {
    const double d = windDirection - inboundCourse;
    // NaN when the cross component exceeds the TAS (or the TAS is 0); the limits and the sector
    // test below then leave it NaN.
    const double wca = std::asin(std::sin(d * kDegToRad) / tas * windSpeed) * kRadToDegLow;
    const double time = kStandardLeg - std::cos(std::fabs(d) * kDegToRad) * windSpeed;
    const double c3 = limitCorrection(3.0 * wca);
    const double c2 = limitCorrection(2.0 * wca);
    const double reciprocal = inboundCourse + 180.0;
    double outbound = std::fmod(reciprocal - c3, 360.0);
    const double offWind = std::fabs(windDirection - outbound);
    if (offWind <= kWindSectorLow || offWind >= kWindSectorHigh) {
        outbound = std::fmod(reciprocal - c2, 360.0);
    }
    return {outbound, time};
}

}  // namespace orvane
