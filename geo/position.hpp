// Position entry: the three digit-only fields (whole degrees, whole minutes, hundredths of a
// minute) and the hemisphere button that the great circle and sunrise dialogs show for each
// latitude and longitude.
//
// The home position is held in minutes of arc (degrees times 60 plus minutes, hundredths of a
// minute as the fraction): latitude north positive, south negative; longitude west positive,
// east negative. These functions only turn numbers into numbers; the dialogs write the texts:
// latitude degrees with "%02d", longitude degrees with "%03d", minutes and hundredths with "%02d",
// and the hemisphere letter from `negative` ("S" / "N", "E" / "W").
#pragma once

namespace orvane {

// What the three fields and the hemisphere button of one coordinate show.
struct PositionFields {
    int degrees;     // whole degrees, >= 0
    int minutes;     // whole minutes, 0 to 59
    int hundredths;  // hundredths of a minute, 0 to 99
    bool negative;   // south for a latitude, east for a longitude
};

// The fields for a position held in minutes of arc (signed as above), for the opening of the
// great circle and sunrise dialogs.
//
// The position is first rounded to the nearest hundredth of a minute and then split, so a
// position entered as 00 31 00 (held as 30.999999999999996 minutes) opens as 00 31 00 again,
// never as 00 30 100. `negative` is minutesOfArc < 0, so -0.0 and 0.0 both show "N" / "W".
// A value that is not a finite number (never stored in the home position) gives 0, 0, 0 and
// not negative; magnitudes beyond 1e10 minutes are treated as 1e10 minutes.
PositionFields positionFields(double minutesOfArc);

// One coordinate as the great circle dialog reads it from its three fields (read as signed
// integers), before its hemisphere is applied.
struct EnteredCoordinate {
    double minutesOfArc;  // H * 0.01 + base * 60.0, with base = M * 0.016666666666666666 + D
    double radians;       // (H * 0.00016666666666666666 + base) * 0.017453292519943278
};

// degrees, minutes and hundredths as typed (any signed values; the dialog's field limits keep
// them at 0 to 90 or 180, 0 to 59 and 0 to 99, but a total such as 90 degrees 30 minutes is used
// as typed). The order of operations is kept exactly: the digits shown later depend on it.
EnteredCoordinate enteredCoordinate(int degrees, int minutes, int hundredths);

// One coordinate in degrees as the sunrise dialog reads it from its three fields (each read as a
// real): H * 0.00016666666666666666 + (M * 0.016666666666666666 + D). The caller applies the
// signs: the sunrise calculation takes longitude east positive, so the dialog multiplies a
// longitude by -1.0, and by -1.0 again when the button shows "E"; a latitude by -1.0 for "S".
double enteredDegrees(double degrees, double minutes, double hundredths);

}  // namespace orvane
