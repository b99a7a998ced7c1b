#include "calc/field_limits.hpp"

#include <cstdint>

#include "calc/numbers.hpp"

namespace orvane {

namespace {

void enforce(Window& dialog, int fieldId, int maximum) {
    dialog.message(maxMessage(maximum));
    dialog.setInt(fieldId, maximum);
    dialog.setFocus(fieldId);
}

}  // namespace

std::string maxMessage(int maximum) {
    return formatC("Max %d", maximum);
}

void limitIntField(Window& dialog, int fieldId, int maximum) {
    const std::int32_t value = dialog.getInt(fieldId);
    if (static_cast<std::uint32_t>(value) > static_cast<std::uint32_t>(maximum)) {
        enforce(dialog, fieldId, maximum);
    }
}

void limitRealField(Window& dialog, int fieldId, int maximum) {
    if (dialog.getReal(fieldId, 9) > static_cast<double>(maximum)) {
        enforce(dialog, fieldId, maximum);
    }
}

void fillHeadingCombo(Window& dialog, int comboId) {
    for (int heading = 10; heading <= 360; heading += 10) {
        dialog.addListEntry(comboId, formatC("%03d", heading));
    }
}

void fillWindSpeedCombo(Window& dialog, int comboId) {
    for (int speed = 5; speed <= 40; speed += 5) {
        dialog.addListEntry(comboId, formatC("%02d", speed));
    }
}

}  // namespace orvane
