#include "geo/position.hpp"

#include <algorithm>
#include <cmath>

#include "calc/angles.hpp"

namespace orvane {

PositionFields positionFields(double minutesOfArc) {
    PositionFields fields{0, 0, 0, false};
    if (!std::isfinite(minutesOfArc)) {
        return fields;
    }
    fields.negative = minutesOfArc < 0.0;
    // Rounded to the nearest hundredth of a minute before splitting: a typed position held a
    // hair below its value (30.999999999999996 for 31.00') comes back as typed.
    const double magnitude = std::min(std::fabs(minutesOfArc), 1e10);
    const long long total = std::llround(magnitude * 100.0);
    fields.degrees = static_cast<int>(total / 6000);
    fields.minutes = static_cast<int>(total / 100 % 60);
    fields.hundredths = static_cast<int>(total % 100);
    return fields;
}

EnteredCoordinate enteredCoordinate(int degrees, int minutes, int hundredths) {
    const double base = minutes * 0.016666666666666666 + degrees;
    return {hundredths * 0.01 + base * 60.0,
            (hundredths * 0.00016666666666666666 + base) * kDegToRad};
}

double enteredDegrees(double degrees, double minutes, double hundredths) {
    return hundredths * 0.00016666666666666666 + (minutes * 0.016666666666666666 + degrees);
}

}  // namespace orvane
