#include "calc/altitude.hpp"

#include <cmath>
#include <cstdint>
#include <limits>

namespace orvane {

namespace {

constexpr double kMillibarsPerInch = 33.863742;
constexpr double kStandardPressure = 1013.0;  // mb
constexpr double kFeetPerMillibar = 30.0;
constexpr double kPressureAltitudeOffset = 0.49;  // ft
constexpr double kSeaLevelTemperature = 288.15;   // K
constexpr double kLapseRate = 0.0019812;          // K per ft
constexpr double kFeetPerKelvin = 504.74459923278823;
constexpr double kDensityExponent = 0.23498;
constexpr double kCelsiusToKelvin = 273.15;
constexpr double kCelsiusToKelvinTrueAltitude = 273.0;
constexpr double kFahrenheitOffset = 32.0;
constexpr double kFahrenheitToCelsius = 0.5555555555555556;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

}  // namespace

PressureAndDensityAltitude solvePressureAndDensityAltitude(double elevation, double qnh,
                                                           double temperature,
                                                           bool pressureInMillibars,
                                                           bool tempInCelsius) {
    if (!pressureInMillibars) {
        qnh = qnh * kMillibarsPerInch;
    }
    const double pa =
        (kStandardPressure - qnh) * kFeetPerMillibar + elevation + kPressureAltitudeOffset;
    const double tisa = kSeaLevelTemperature - pa * kLapseRate;
    if (!tempInCelsius) {
        temperature = (temperature - kFahrenheitOffset) * kFahrenheitToCelsius;
    }
    const double oat = temperature + kCelsiusToKelvin;
    // No air density exists at or below absolute zero: the power below would divide by zero or
    // raise a negative ratio, or (both temperatures negative) give a number that means nothing.
    if (!(oat > 0.0) || !(tisa > 0.0)) {
        return {pa, kNaN};
    }
    const double da = (tisa * kFeetPerKelvin) * (1.0 - std::pow(tisa / oat, kDensityExponent)) + pa;
    return {pa, da};
}

double solveTrueAltitude(int calibrated, int fieldElevation, double isaDeviation, double oat) {
    const double kelvin = oat + kCelsiusToKelvinTrueAltitude;
    if (!(kelvin > 0.0)) {
        return kNaN;
    }
    // In 64 bits: the difference of two 32-bit altitudes need not fit in 32 bits.
    const std::int64_t difference =
        static_cast<std::int64_t>(calibrated) - static_cast<std::int64_t>(fieldElevation);
    return static_cast<double>(difference) * isaDeviation / kelvin +
           static_cast<double>(calibrated);
}

}  // namespace orvane
