// TAS, RAS and Mach number for an altitude and an outside air temperature, with the local speed
// of sound, on a standard-atmosphere model.
//
// The airspeed dialog reads the altitude and temperature fields, builds an AirspeedAtmosphere with
// airspeedAtmosphere() before every notification it handles, and, for the driving speed field,
// writes the two texts that textsFromTas(), textsFromRas() or textsFromMach() return, in the
// order they come. The LSS line is formatSpeedOfSound(displayedSpeedOfSound(atmosphere.tempC)).
//
// Two speeds of sound on purpose: Mach numbers use 38.94 * sqrt(tempC + 273.0) knots, while the
// LSS line shows 38.96785 * sqrt(tempC + 273.15) knots. At 15 degC they are 660.8 kt and 661.5 kt.
//
// Where the air data has no meaning (an absolute temperature at or below zero, an altitude at or
// above about 145454 ft where the standard temperature is no longer positive, or a pressure that
// comes out as zero) the affected results are NaN, and every text below shows them as "----".
#pragma once

#include <array>
#include <string>

namespace orvane {

// Air data derived from the altitude and temperature fields.
struct AirspeedAtmosphere {
    // Outside air temperature, degrees Celsius (converted from Fahrenheit when the preference is
    // Fahrenheit). Any value; not checked.
    double tempC;
    // Absolute temperature, kelvin, computed as tempC + 273.0 (273.0, not 273.15). The Mach
    // speed of sound is defined only when this is finite and above 0.
    double tempK;
    // Air density relative to the standard sea-level density, dimensionless, above 0 (1.0 at sea
    // level at 15 degC). NaN when the air data has no meaning: tempK not finite or at or below 0,
    // the standard temperature at the altitude at or below 0 K, or a ratio that is not a finite
    // positive number. RAS results are then NaN.
    double densityRatio;
};

// altitudeFt: altitude, feet, any sign. temperature: the temperature field's value, degC when
// tempInCelsius, else degF (converted with (t - 32.0) * 0.5555555555555556).
//
// Ts = 15.0 - 0.00198 * h + 273.0; p = 1013.25 / (288.0 / Ts)^5.256 hPa;
// delta = p * 0.0009869232667160128; densityRatio = delta * (288.0 / tempK).
AirspeedAtmosphere airspeedAtmosphere(double altitudeFt, double temperature, bool tempInCelsius);

// The speed of sound used for Mach numbers, knots: 38.94 * sqrt(tempK). NaN when tempK is not
// finite or at or below 0 (so that a Mach number never comes out as a fake 0 or infinity).
double machSpeedOfSound(const AirspeedAtmosphere& air);

// Results of one conversion. Speeds in knots, Mach dimensionless. NaN where there is no result.
struct TasSolution {  // from a TAS
    double mach;
    double ras;
};
struct RasSolution {  // from a RAS
    double tas;
    double mach;
};
struct MachSolution {  // from a Mach number
    double tas;
    double ras;
};

// tas: true airspeed, knots. Mach = tas / a; RAS = tas * sqrt(densityRatio).
// Mach needs only the temperature; RAS is NaN when densityRatio is NaN.
TasSolution solveFromTas(double tas, const AirspeedAtmosphere& air);

// ras: rectified airspeed, knots, up to kMaxReliableRas (the dialog limits a typed RAS; larger
// values are still converted). TAS = ras / sqrt(densityRatio); Mach = TAS / a.
// Both are NaN when densityRatio is NaN; Mach also when a is NaN.
RasSolution solveFromRas(double ras, const AirspeedAtmosphere& air);

// mach: Mach number. TAS = a * mach; RAS = TAS * sqrt(densityRatio).
// TAS is NaN when a is NaN; RAS also when densityRatio is NaN.
MachSolution solveFromMach(double mach, const AirspeedAtmosphere& air);

// The local speed of sound on the LSS line, knots: 38.96785 * sqrt(tempC + 273.15).
// NaN below -273.15 degC; 0 at exactly -273.15 degC.
double displayedSpeedOfSound(double tempC);

// A RAS typed above this brings the message kMaxReliableRasMessage and the field becomes "300";
// a RAS above it that follows from TAS or Mach is shown as kRasAboveLimitText. "Above" is
// strictly greater than.
inline constexpr double kMaxReliableRas = 300.0;
inline constexpr const char* kMaxReliableRasText = "300";
inline constexpr const char* kMaxReliableRasMessage = "Max reliable RAS = 300";
inline constexpr const char* kRasAboveLimitText = "> 300";

// The three speed fields, numbered as the dialog's drivingField (0 is none).
enum class SpeedField { Tas = 1, Ras = 2, Mach = 3 };

// One text to write into one speed field.
struct SpeedText {
    SpeedField field;
    std::string text;
};

// The two texts to write for a driving speed, in the order they are written:
//   from TAS:  Mach "%1.2f", then RAS "%1.1f" (or "> 300");
//   from RAS:  TAS "%1.1f", then Mach "%1.2f";
//   from Mach: TAS "%1.1f", then RAS "%1.2f" (or "> 300").
// A result that is not a finite number reads "----" (a NaN RAS is not above 300).
std::array<SpeedText, 2> textsFromTas(double tas, const AirspeedAtmosphere& air);
std::array<SpeedText, 2> textsFromRas(double ras, const AirspeedAtmosphere& air);
std::array<SpeedText, 2> textsFromMach(double mach, const AirspeedAtmosphere& air);

// The LSS line: "LSS: %1.1fkt", or "----" for a speed that is not a finite number.
std::string formatSpeedOfSound(double knots);

}  // namespace orvane
