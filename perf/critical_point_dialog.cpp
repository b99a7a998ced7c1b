// Critical point: the point of a leg from which going on takes as long as turning back, with an
// optional reduced airspeed after an engine failure. It starts from the current flight's course,
// distance and wind and the aircraft's TAS, and writes nothing back. Only Calculate calculates.
#include "calc/field_limits.hpp"
#include "calc/numbers.hpp"
#include "perf/critical_point.hpp"
#include "shell/dialogs.hpp"
#include "shell/help.hpp"

namespace orvane {

namespace {

constexpr int kTotalDistance = 1064;
constexpr int kCourse = 1020;
constexpr int kWindDirection = 1021;
constexpr int kWindSpeed = 1022;
constexpr int kFullPowerTas = 1023;
constexpr int kReducedPowerTas = 1024;
constexpr int kCalculate = 1034;
constexpr int kDistanceTo = 1080;
constexpr int kTimeTo = 1081;

constexpr int kMaxDirection = 360;
constexpr const char* kHelpFile = "critp.htp";

class CriticalPointDialog : public WindowProc {
  public:
    CriticalPointDialog(const RunState& state, Platform& platform)
        : state_(state), platform_(platform) {}

    void onOpen(Window& window) override {
        const FlightSummary& flight = state_.summary;
        const DefaultData& aircraft = state_.defaults;
        // Only values that have been set; the reduced TAS always starts empty.
        if (aircraft.tas != 0.0) {
            window.setText(kFullPowerTas, formatReal("%1.0f", aircraft.tas));
        }
        if (flight.windDirection != 0) {
            window.setText(kWindDirection, formatC("%03d", flight.windDirection));
        }
        if (flight.windSpeed != 0) {
            window.setInt(kWindSpeed, flight.windSpeed);
        }
        if (flight.trueCourse != 0.0) {
            // The half degree comes on top of the format's own rounding: 123.4 shows as 124.
            window.setText(kCourse, formatReal("%03.0f", flight.trueCourse + 0.5));
        }
        if (flight.distance != 0.0) {
            window.setText(kTotalDistance, formatReal("%1.1f", flight.distance));
        }
    }

    void onCommand(Window& window, int id, int code) override {
        switch (id) {
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
    static void calculate(Window& window) {
        const std::optional<PointOnLeg> point =
            criticalPoint(window.getReal(kTotalDistance), window.getReal(kCourse),
                          window.getReal(kWindDirection), window.getReal(kWindSpeed),
                          window.getReal(kFullPowerTas), window.getReal(kReducedPowerTas));
        if (!point) {
            return;  // no distance or no airspeed: the results stay as they are
        }
        window.setText(kDistanceTo, formatLegDistance(point->distanceNm));
        window.setText(kTimeTo, formatHoursMinutes(point->timeMinutes));
    }

    const RunState& state_;
    Platform& platform_;
};

}  // namespace

std::unique_ptr<WindowProc> makeCriticalPointDialog(DialogContext& context) {
    return std::make_unique<CriticalPointDialog>(context.state, context.platform);
}

}  // namespace orvane
