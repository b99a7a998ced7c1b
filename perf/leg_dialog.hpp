// What the critical point and point of no return dialogs share: a leg's course, wind and true
// airspeed as the starting values, course and wind direction limited to 360 when the pilot
// leaves them, a Calculate button that alone calculates, Done (command 1) that alone ends the
// dialog, a help page, and the two results "Distance to" and "Time to".
#pragma once

#include <optional>

#include "perf/critical_point.hpp"
#include "shell/dialogs.hpp"

namespace orvane {

// The controls of one of the two dialogs.
struct LegDialogControls {
    int course;
    int windDirection;
    int windSpeed;
    int tas;  // the full-power or normal TAS, filled from the aircraft's TAS
    int calculate;
    int distanceTo;
    int timeTo;
    const char* helpFile;
};

class LegDialog : public WindowProc {
  public:
    void onCommand(Window& window, int id, int code) override;
    bool onHelp(Window&) override;

  protected:
    LegDialog(const RunState& state, Platform& platform, const LegDialogControls& controls)
        : state_(state), platform_(platform), controls_(controls) {}

    // Fills the TAS, wind direction ("%03d") and wind speed from the shared records, each only
    // when it has been set.
    void fillTasAndWind(Window& window) const;
    // Shows a point: both results, "----" in both, or (nothing) the results as they were.
    void showPoint(Window& window, const std::optional<PointOnLeg>& point) const;

    virtual void calculate(Window& window) = 0;
    // Any other command of the dialog's own (the point of no return's mode buttons).
    virtual void onOtherCommand(Window&, int /*id*/, int /*code*/) {}

    const RunState& state_;

  private:
    Platform& platform_;
    const LegDialogControls& controls_;
};

}  // namespace orvane
