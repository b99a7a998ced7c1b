#include "geo/position_entry.hpp"

#include "calc/field_limits.hpp"
#include "calc/numbers.hpp"

namespace orvane {

void CoordinateEntry::fill(Window& window, double minutesOfArc) {
    const PositionFields fields = positionFields(minutesOfArc);
    window.setText(layout_.degreesField, formatC("%0*d", layout_.degreesWidth, fields.degrees));
    window.setText(layout_.minutesField, formatC("%02d", fields.minutes));
    window.setText(layout_.hundredthsField, formatC("%02d", fields.hundredths));
    negative_ = fields.negative;
    window.setText(layout_.hemisphereButton,
                   negative_ ? layout_.negativeLetter : layout_.positiveLetter);
}

bool CoordinateEntry::onCommand(Window& window, int id, int code) {
    if (id == layout_.hemisphereButton) {
        if (code == notify::kClicked) {
            negative_ = !negative_;
            window.setText(id, negative_ ? layout_.negativeLetter : layout_.positiveLetter);
        }
        return true;
    }
    int limit = 0;
    if (id == layout_.degreesField) {
        limit = layout_.degreesLimit;
    } else if (id == layout_.minutesField) {
        limit = kMinutesLimit;
    } else if (id == layout_.hundredthsField) {
        limit = kHundredthsLimit;
    } else {
        return false;
    }
    if (code == notify::kEditKillFocus) {
        limitIntField(window, id, limit);
    }
    return true;
}

EnteredCoordinate CoordinateEntry::readSigned(const Window& window) const {
    EnteredCoordinate c =
        enteredCoordinate(window.getInt(layout_.degreesField), window.getInt(layout_.minutesField),
                          window.getInt(layout_.hundredthsField));
    if (negative_) {
        c.minutesOfArc = -c.minutesOfArc;
        c.radians = -c.radians;
    }
    return c;
}

double CoordinateEntry::readSignedDegrees(const Window& window) const {
    const double degrees = enteredDegrees(window.getReal(layout_.degreesField, kFieldChars),
                                          window.getReal(layout_.minutesField, kFieldChars),
                                          window.getReal(layout_.hundredthsField, kFieldChars));
    return negative_ ? degrees * -1.0 : degrees;
}

}  // namespace orvane
