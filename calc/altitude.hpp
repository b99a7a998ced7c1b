// Altitude: pressure and density altitude from field elevation, QNH and temperature, and true
// altitude from calibrated altitude, field elevation, ISA deviation and outside air temperature.
//
// Altitudes and elevations in feet. The constants are the program's own (standard pressure
// 1013.0 mb, 30 ft per mb, 33.863742 mb per inch, 0.49 ft added to every pressure altitude, 273.0
// for kelvin in the true altitude): the shown feet depend on them.
#pragma once

namespace orvane {

struct PressureAndDensityAltitude {
    // Pressure altitude in feet, including the 0.49 ft offset. Shown "%1.0f ft".
    double pressureAltitude;
    // Density altitude in feet. Shown "%1.0f ft". NaN when the air temperature or the standard
    // temperature at the pressure altitude is at or below absolute zero (no density exists).
    double densityAltitude;
};

// Pressure and density altitude.
//  elevation: field elevation, ft.
//  qnh: in millibars when pressureInMillibars, else in inches of mercury (converted with
//    33.863742 mb per inch). The dialog refuses a QNH of 0 before calling; here 0 is calculated
//    like any other value.
//  temperature: outside air temperature, degrees Celsius when tempInCelsius, else Fahrenheit.
//  The two flags are the preferences tested for nonzero: true means millibars / Celsius.
// Steps: pa = (1013.0 - qnh) * 30.0 + elevation + 0.49; standard temperature
// tisa = 288.15 - pa * 0.0019812 K; oat = temperature in Celsius + 273.15 K;
// da = tisa * 504.74459923278823 * (1.0 - (tisa / oat)^0.23498) + pa.
// Singular points: oat <= 0 K (-273.15 °C or -459.67 °F and below) or tisa <= 0 K (pressure
// altitude above about 145,000 ft) give a NaN density altitude; the pressure altitude stands.
PressureAndDensityAltitude solvePressureAndDensityAltitude(double elevation, double qnh,
                                                           double temperature,
                                                           bool pressureInMillibars,
                                                           bool tempInCelsius);

// True altitude in feet, shown "%1.0f ft":
//   (calibrated - fieldElevation) * isaDeviation / (oat + 273.0) + calibrated.
//  calibrated, fieldElevation: feet, whole numbers as the pilot typed them (either may be the
//    larger: a negative difference is used as it comes). The difference is formed exactly, even
//    for values near the ends of the 32-bit range.
//  isaDeviation: degrees Celsius (0 gives the calibrated altitude itself).
//  oat: outside air temperature, degrees Celsius. At or below -273.0 (absolute zero in this
//    calculation) the result is NaN: there is no true altitude, never a made-up number.
double solveTrueAltitude(int calibrated, int fieldElevation, double isaDeviation, double oat);

}  // namespace orvane
