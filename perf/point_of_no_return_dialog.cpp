// Point of no return, in two modes: "Full power" (an endurance, both legs at the normal TAS) and
// "Failed eng" (the usable fuel, home at the reduced TAS and fuel flow after an engine failure).
// The dialog opens in Full power every time, starts from the current flight's course, wind and
// fuel and the aircraft's TAS and fuel flow, and writes nothing back. Only Calculate calculates.
#include <optional>

#include "calc/entry.hpp"
#include "calc/numbers.hpp"
#include "perf/leg_dialog.hpp"
#include "perf/point_of_no_return.hpp"
#include "res/ids.hpp"

namespace orvane {

namespace {

using namespace ctl::point_of_no_return;

constexpr LegDialogControls kControls = {
    kCourse, kWindDirection, kWindSpeed, kNormalTas, kCalculate, kDistance, kTime, "pnr.htp",
};
constexpr const char* kInvalidTimeMessage = "Invalid time format";

enum class PnrMode { FullPower, FailedEngine };

// The controls seen only in one mode (fields with their labels, and the fuel frame); every other
// control is seen in both.
constexpr int kFullPowerOnly[] = {kEnduranceLabel, kEndurance};
constexpr int kFailedEngineOnly[] = {
    kReducedPowerTasLabel,
    kReducedPowerTas,  // where the endurance is
    kFuelFrame,
    kUsableFuelLabel,
    kUsableFuel,
    kNormalFlowLabel,
    kNormalFlow,
    kReducedPowerFlowLabel,
    kReducedPowerFlow,
};

class PointOfNoReturnDialog : public LegDialog {
  public:
    PointOfNoReturnDialog(const RunState& state, Platform& platform)
        : LegDialog(state, platform, kControls) {}

    void onOpen(Window& window) override {
        setMode(window, PnrMode::FullPower);
        // Only values that have been set; endurance, reduced TAS and reduced flow start empty.
        fillTasAndWind(window);
        const FlightSummary& flight = state_.summary;
        if (flight.trueCourse != 0.0) {
            window.setText(kCourse, formatReal("%1.0f", flight.trueCourse));
        }
        if (state_.defaults.fuelFlow != 0.0) {
            window.setText(kNormalFlow, formatReal("%1.1f", state_.defaults.fuelFlow));
        }
        if (flight.fuel != 0.0) {
            window.setText(kUsableFuel, formatReal("%1.1f", flight.fuel));
        }
    }

  private:
    void onOtherCommand(Window& window, int id, int code) override {
        if (code != notify::kClicked) {
            return;
        }
        if (id == kFullPower) {
            setMode(window, PnrMode::FullPower);
        } else if (id == kFailedEngine) {
            setMode(window, PnrMode::FailedEngine);
        }
    }

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

    void calculate(Window& window) override {
        const double course = window.getReal(kCourse);
        const double windDirection = window.getReal(kWindDirection);
        const double windSpeed = window.getReal(kWindSpeed);
        const double normalTas = window.getReal(kNormalTas);

        if (mode_ == PnrMode::FailedEngine) {
            showPoint(window, pointOfNoReturnFuel(
                                  course, windDirection, windSpeed, normalTas,
                                  window.getReal(kReducedPowerTas), window.getReal(kNormalFlow),
                                  window.getReal(kReducedPowerFlow), window.getReal(kUsableFuel)));
            return;
        }
        if (normalTas == 0.0) {
            return;
        }
        const ClockTime endurance = parseClockTime(window.text(kEndurance));
        if (endurance.minutes < 0.0) {
            window.message(kInvalidTimeMessage);
            return;
        }
        showPoint(window, pointOfNoReturnEndurance(course, windDirection, windSpeed, normalTas,
                                                   endurance.minutes));
    }

    PnrMode mode_ = PnrMode::FullPower;
};

}  // namespace

std::unique_ptr<WindowProc> makePointOfNoReturnDialog(DialogContext& context) {
    return std::make_unique<PointOfNoReturnDialog>(context.state, context.platform);
}

}  // namespace orvane
