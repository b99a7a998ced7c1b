#include "perf/airspeed.hpp"

#include <cmath>
#include <limits>

#include "calc/numbers.hpp"

namespace orvane {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

constexpr double kFahrenheitToCelsius = 0.5555555555555556;
constexpr double kAbsoluteZeroOffset = 273.0;  // kelvin of 0 degC for the air data
constexpr double kSeaLevelTempC = 15.0;
constexpr double kLapseRatePerFoot = 0.00198;
constexpr double kSeaLevelTempK = 288.0;
constexpr double kSeaLevelPressureHpa = 1013.25;
constexpr double kPressureExponent = 5.256;
constexpr double kHpaToPressureRatio = 0.0009869232667160128;
constexpr double kMachSoundFactor = 38.94;  // knots per square root of a kelvin

constexpr double kDisplayedAbsoluteZeroOffset = 273.15;
constexpr double kDisplayedSoundFactor = 38.96785;

bool isUsable(double v) {
    return std::isfinite(v) && v > 0.0;
}

std::string rasText(double ras, const char* format) {
    if (ras > kMaxReliableRas) {
        return kRasAboveLimitText;
    }
    return formatReal(format, ras);
}

}  // namespace

AirspeedAtmosphere airspeedAtmosphere(double altitudeFt, double temperature, bool tempInCelsius) {
    const double h = altitudeFt;
    double t = temperature;
    if (!tempInCelsius) {
        t = (t - 32.0) * kFahrenheitToCelsius;
    }
    AirspeedAtmosphere air{};
    air.tempC = t;
    air.tempK = air.tempC + kAbsoluteZeroOffset;

    const double standardTempK = kSeaLevelTempC - kLapseRatePerFoot * h + kAbsoluteZeroOffset;
    const double pressureHpa =
        kSeaLevelPressureHpa / std::pow(kSeaLevelTempK / standardTempK, kPressureExponent);
    const double pressureRatio = pressureHpa * kHpaToPressureRatio;
    const double densityRatio = pressureRatio * (kSeaLevelTempK / air.tempK);

    // Beyond the model (no absolute temperature, no standard temperature, a pressure that
    // vanished) the ratio would come out as 0, infinity or NaN; 0 and infinity would then pass
    // for real speeds, so it is made NaN.
    const bool meaningful = isUsable(air.tempK) && isUsable(standardTempK);
    air.densityRatio = meaningful && isUsable(densityRatio) ? densityRatio : kNaN;
    return air;
}

double machSpeedOfSound(const AirspeedAtmosphere& air) {
    if (!isUsable(air.tempK)) {
        return kNaN;
    }
    return kMachSoundFactor * std::sqrt(air.tempK);
}

TasSolution solveFromTas(double tas, const AirspeedAtmosphere& air) {
    return {tas / machSpeedOfSound(air), tas * std::sqrt(air.densityRatio)};
}

RasSolution solveFromRas(double ras, const AirspeedAtmosphere& air) {
    const double tas = ras / std::sqrt(air.densityRatio);
    return {tas, tas / machSpeedOfSound(air)};
}

MachSolution solveFromMach(double mach, const AirspeedAtmosphere& air) {
    const double tas = machSpeedOfSound(air) * mach;
    return {tas, tas * std::sqrt(air.densityRatio)};
}

double displayedSpeedOfSound(double tempC) {
    return kDisplayedSoundFactor * std::sqrt(tempC + kDisplayedAbsoluteZeroOffset);
}

std::array<SpeedText, 2> textsFromTas(double tas, const AirspeedAtmosphere& air) {
    const TasSolution s = solveFromTas(tas, air);
    return {{{SpeedField::Mach, formatReal("%1.2f", s.mach)},
             {SpeedField::Ras, rasText(s.ras, "%1.1f")}}};
}

std::array<SpeedText, 2> textsFromRas(double ras, const AirspeedAtmosphere& air) {
    const RasSolution s = solveFromRas(ras, air);
    return {{{SpeedField::Tas, formatReal("%1.1f", s.tas)},
             {SpeedField::Mach, formatReal("%1.2f", s.mach)}}};
}

std::array<SpeedText, 2> textsFromMach(double mach, const AirspeedAtmosphere& air) {
    const MachSolution s = solveFromMach(mach, air);
    return {{{SpeedField::Tas, formatReal("%1.1f", s.tas)},
             {SpeedField::Ras, rasText(s.ras, "%1.2f")}}};
}

std::string formatSpeedOfSound(double knots) {
    return formatReal("LSS: %1.1fkt", knots);
}

}  // namespace orvane
