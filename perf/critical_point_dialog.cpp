// Critical point: the point of a leg from which going on takes as long as turning back, with an
// optional reduced airspeed after an engine failure. It starts from the current flight's course,
// distance and wind and the aircraft's TAS, and writes nothing back. Only Calculate calculates.
#include "calc/numbers.hpp"
#include "perf/critical_point.hpp"
#include "perf/leg_dialog.hpp"
#include "res/ids.hpp"

namespace orvane {

namespace {

using namespace ctl::critical_point;

constexpr LegDialogControls kControls = {
    kCourse, kWindDirection, kWindSpeed, kFullPowerTas, kCalculate, kDistance, kTime, "critp.htp",
};

class CriticalPointDialog : public LegDialog {
  public:
    CriticalPointDialog(const RunState& state, Platform& platform)
        : LegDialog(state, platform, kControls) {}

    void onOpen(Window& window) override {
        // Only values that have been set; the reduced TAS always starts empty.
        fillTasAndWind(window);
        const FlightSummary& flight = state_.summary;
        if (flight.trueCourse != 0.0) {
            // The half degree comes on top of the format's own rounding: 123.4 shows as 124.
            window.setText(kCourse, formatReal("%03.0f", flight.trueCourse + 0.5));
        }
        if (flight.distance != 0.0) {
            window.setText(kTotalDistance, formatReal("%1.1f", flight.distance));
        }
    }

  private:
    void calculate(Window& window) override {
        showPoint(window,
                  criticalPoint(window.getReal(kTotalDistance), window.getReal(kCourse),
                                window.getReal(kWindDirection), window.getReal(kWindSpeed),
                                window.getReal(kFullPowerTas), window.getReal(kReducedPowerTas)));
    }
};

}  // namespace

std::unique_ptr<WindowProc> makeCriticalPointDialog(DialogContext& context) {
    return std::make_unique<CriticalPointDialog>(context.state, context.platform);
}

}  // namespace orvane
