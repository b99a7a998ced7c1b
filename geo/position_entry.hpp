// The position entry of the great circle and sunrise dialogs: for each coordinate three
// digit-only fields (whole degrees, whole minutes, hundredths of a minute) and a push button
// beside them that shows the hemisphere letter and toggles it when tapped.
//
// The hemisphere lives in the entry (one flag per coordinate, for one opening of the dialog),
// not in the button: the button only shows it. A field above its limit is caught when the pilot
// leaves it ("Max %d", and the limit is written back).
#pragma once

#include "geo/position.hpp"
#include "platform/platform.hpp"

namespace orvane {

inline constexpr int kLatitudeDegreesLimit = 90;
inline constexpr int kLongitudeDegreesLimit = 180;
inline constexpr int kMinutesLimit = 59;
inline constexpr int kHundredthsLimit = 99;

// The controls of one coordinate and how they read.
struct CoordinateLayout {
    int degreesField;
    int minutesField;
    int hundredthsField;
    int hemisphereButton;
    int degreesLimit;            // 90 for a latitude, 180 for a longitude
    int degreesWidth;            // digits shown at opening: 2 for a latitude, 3 for a longitude
    const char* positiveLetter;  // "N" or "W": the flag clear
    const char* negativeLetter;  // "S" or "E": the flag set
};

constexpr CoordinateLayout latitudeLayout(int degrees, int minutes, int hundredths, int button) {
    return {degrees, minutes, hundredths, button, kLatitudeDegreesLimit, 2, "N", "S"};
}

constexpr CoordinateLayout longitudeLayout(int degrees, int minutes, int hundredths, int button) {
    return {degrees, minutes, hundredths, button, kLongitudeDegreesLimit, 3, "W", "E"};
}

// One coordinate of a position entry, for one opening of a dialog.
class CoordinateEntry {
  public:
    explicit constexpr CoordinateEntry(const CoordinateLayout& layout) : layout_(layout) {}

    // Shows a home-position coordinate (minutes of arc, north / west positive): degrees "%02d"
    // or "%03d", minutes and hundredths "%02d", rounded to the nearest hundredth of a minute, and
    // the hemisphere letter by the sign, which also sets the flag.
    void fill(Window& window, double minutesOfArc);

    // Clears the flag; the fields and the button are left as they are (the template's letter).
    void clear() { negative_ = false; }

    // The flag: south for a latitude, east for a longitude.
    bool negative() const { return negative_; }

    // A command from one of this coordinate's controls: a tap on the button toggles the flag and
    // shows the new letter; leaving a field applies its limit (90 or 180, 59, 99). Any other
    // notification is ignored. Returns whether id is one of this coordinate's controls.
    bool onCommand(Window& window, int id, int code);

    // The coordinate as typed, each field read as a signed integer, with its hemisphere applied:
    // minutes of arc and radians, north / west positive.
    EnteredCoordinate readSigned(const Window& window) const;

    // The coordinate in degrees as typed, each field read as a real from its first 14
    // characters, with its hemisphere applied: north / west positive.
    double readSignedDegrees(const Window& window) const;

  private:
    CoordinateLayout layout_;
    bool negative_ = false;
};

// A position: a latitude and a longitude entry.
struct PositionEntry {
    CoordinateEntry latitude;
    CoordinateEntry longitude;

    // Shows a home position (DefaultData latitude and longitude, minutes of arc).
    void fill(Window& window, double latitudeMinutes, double longitudeMinutes) {
        latitude.fill(window, latitudeMinutes);
        longitude.fill(window, longitudeMinutes);
    }
    void clear() {
        latitude.clear();
        longitude.clear();
    }
    bool onCommand(Window& window, int id, int code) {
        return latitude.onCommand(window, id, code) || longitude.onCommand(window, id, code);
    }
};

}  // namespace orvane
