#include "perf/leg_dialog.hpp"

#include "calc/field_limits.hpp"
#include "calc/numbers.hpp"
#include "shell/help.hpp"

namespace orvane {

namespace {

constexpr int kMaxDirection = 360;

}  // namespace

void LegDialog::onCommand(Window& window, int id, int code) {
    if (id == controls_.course || id == controls_.windDirection) {
        if (code == notify::kEditKillFocus) {
            limitIntField(window, id, kMaxDirection);
        }
    } else if (id == controls_.calculate) {
        if (code == notify::kClicked) {
            calculate(window);
        }
    } else if (id == kCommandOk) {  // only Done ends the dialog
        window.end(2);
    } else {
        onOtherCommand(window, id, code);
    }
}

bool LegDialog::onHelp(Window&) {
    launchHelp(platform_, controls_.helpFile);
    return true;
}

void LegDialog::fillTasAndWind(Window& window) const {
    if (state_.defaults.tas != 0.0) {
        window.setText(controls_.tas, formatReal("%1.0f", state_.defaults.tas));
    }
    if (state_.summary.windDirection != 0) {
        window.setText(controls_.windDirection, formatC("%03d", state_.summary.windDirection));
    }
    if (state_.summary.windSpeed != 0) {
        window.setInt(controls_.windSpeed, state_.summary.windSpeed);
    }
}

void LegDialog::showPoint(Window& window, const std::optional<PointOnLeg>& point) const {
    if (!point) {
        return;  // nothing to calculate with: the results stay as they are
    }
    window.setText(controls_.distanceTo, formatLegDistance(point->distanceNm));
    window.setText(controls_.timeTo, formatHoursMinutes(point->timeMinutes));
}

}  // namespace orvane
