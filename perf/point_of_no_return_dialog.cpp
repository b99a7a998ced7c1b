// Point of no return, in two modes: "Full power" (an endurance, both legs at the normal TAS) and
// "Failed eng" (the usable fuel, home at the reduced TAS and fuel flow after an engine failure).
// The dialog opens in Full power every time, starts from the current flight's course, wind and
// fuel and the aircraft's TAS and fuel flow, and writes nothing back. Only Calculate calculates.
#include <optional>

#include "calc/entry.hpp"
#include "calc/field_limits.hpp"
#include "calc/numbers.hpp"
#include "perf/point_of_no_return.hpp"
#include "shell/dialogs.hpp"
#include "shell/help.hpp"

namespace orvane {

namespace {

constexpr int kFullPower = 1090;
constexpr int kFailedEngine = 1091;
constexpr int kEndurance = 1083;
constexpr int kReducedPowerTas = 1094;
constexpr int kCourse = 1085;
constexpr int kWindDirection = 1087;
constexpr int kWindSpeed = 1089;
constexpr int kNormalTas = 1093;
constexpr int kUsableFuel = 1099;
constexpr int kNormalFlow = 1096;
constexpr int kReducedPowerFlow = 1097;
constexpr int kCalculate = 1101;
constexpr int kTimeTo = 1103;
constexpr int kDistanceTo = 1105;

constexpr int kMaxDirection = 360;
constexpr const char* kHelpFile = "pnr.htp";
constexpr const char* kInvalidTimeMessage = "Invalid time format";

enum class PnrMode { FullPower, FailedEngine };

// The controls seen only in one mode (fields with their labels, and the fuel frame); every other
// control is seen in both.
constexpr int kFullPowerOnly[] = {1082, kEndurance};
constexpr int kFailedEngineOnly[] = {
    1100, kReducedPowerTas,  // reduced-power TAS, where the endurance is
    1113,                    // "Fuel" frame
    1098, kUsableFuel,      1095, kNormalFlow, 1070, kReducedPowerFlow,
};

class PointOfNoReturnDialog : public WindowProc {
  public:
    PointOfNoReturnDialog(const RunState& state, Platform& platform)
        : state_(state), platform_(platform) {}

    void onOpen(Window& window) override {
        setMode(window, PnrMode::FullPower);
        const FlightSummary& flight = state_.summary;
        const DefaultData& aircraft = state_.defaults;
        // Only values that have been set; endurance, reduced TAS and reduced flow start empty.
        if (aircraft.tas != 0.0) {
            window.setText(kNormalTas, formatReal("%1.0f", aircraft.tas));
        }
        if (flight.windDirection != 0) {
            window.setText(kWindDirection, formatC("%03d", flight.windDirection));
        }
        if (flight.windSpeed != 0) {
            window.setInt(kWindSpeed, flight.windSpeed);
        }
        if (flight.trueCourse != 0.0) {
            window.setText(kCourse, formatReal("%1.0f", flight.trueCourse));
        }
        if (aircraft.fuelFlow != 0.0) {
            window.setText(kNormalFlow, formatReal("%1.1f", aircraft.fuelFlow));
        }
        if (flight.fuel != 0.0) {
            window.setText(kUsableFuel, formatReal("%1.1f", flight.fuel));
        }
    }

    void onCommand(Window& window, int id, int code) override {
        switch (id) {
            case kFullPower:
                if (code == notify::kClicked) {
                    setMode(window, PnrMode::FullPower);
                }
                break;
            case kFailedEngine:
                if (code == notify::kClicked) {
                    setMode(window, PnrMode::FailedEngine);
                }
                break;
            case kCourse:
            case kWindDirection:
                if (code == notify::kEditKillFocus) {
                    limitIntField(window, id, kMaxDirection);
                }
                break;
            case kCalculate:
                if (code == notify::kClicked) {
                    calculate(window);
                }
                break;
            case kCommandOk:  // only Done ends the dialog
                window.end(2);
                break;
            default:
                break;
        }
    }

    bool onHelp(Window&) override {
        launchHelp(platform_, kHelpFile);
        return true;
    }

  private:
    // Shows the mode's fields and hides the other mode's; field texts and results stay.
    void setMode(Window& window, PnrMode mode) {
        mode_ = mode;
        const bool fullPower = mode == PnrMode::FullPower;
        window.setChecked(kFullPower, fullPower);
        window.setChecked(kFailedEngine, !fullPower);
        for (int id : kFullPowerOnly) {
            window.show(id, fullPower);
        }
        for (int id : kFailedEngineOnly) {
            window.show(id, !fullPower);
        }
    }

    void calculate(Window& window) {
        const double course = window.getReal(kCourse);
        const double windDirection = window.getReal(kWindDirection);
        const double windSpeed = window.getReal(kWindSpeed);
        const double normalTas = window.getReal(kNormalTas);

        std::optional<PointOnLeg> point;
        if (mode_ == PnrMode::FullPower) {
            if (normalTas == 0.0) {
                return;
            }
            const ClockTime endurance = parseClockTime(window.text(kEndurance));
            if (endurance.minutes < 0.0) {
                window.message(kInvalidTimeMessage);
                return;
            }
            point = pointOfNoReturnEndurance(course, windDirection, windSpeed, normalTas,
                                             endurance.minutes);
        } else {
            point =
                pointOfNoReturnFuel(course, windDirection, windSpeed, normalTas,
                                    window.getReal(kReducedPowerTas), window.getReal(kNormalFlow),
                                    window.getReal(kReducedPowerFlow), window.getReal(kUsableFuel));
        }
        if (!point) {
            return;  // a speed or flow of 0: the results stay as they are
        }
        window.setText(kDistanceTo, formatLegDistance(point->distanceNm));
        window.setText(kTimeTo, formatHoursMinutes(point->timeMinutes));
    }

    const RunState& state_;
    Platform& platform_;
    PnrMode mode_ = PnrMode::FullPower;
};

}  // namespace

std::unique_ptr<WindowProc> makePointOfNoReturnDialog(DialogContext& context) {
    return std::make_unique<PointOfNoReturnDialog>(context.state, context.platform);
}

}  // namespace orvane
