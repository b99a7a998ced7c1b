// TAS - RAS - MACH: the pilot types any one of the three speeds and the other two follow at once,
// for the altitude and outside air temperature above them. There is no Calculate button.
//
// The speed field that last gained the focus drives the others (the run's
// airspeedDrivingField, kept when the dialog closes). Every notification of the driving field
// converts its value and writes the other two fields; the change notifications those writes
// raise come from fields that do not drive, so they convert nothing. Altitude and temperature
// take effect at the driving field's next notification. After every notification, from any
// control, the speed-of-sound line follows the temperature field.
#include "perf/airspeed.hpp"
#include "res/ids.hpp"
#include "shell/dialogs.hpp"
#include "shell/help.hpp"

namespace orvane {

namespace {

using namespace ctl::airspeed;

constexpr const char* kHelpFile = "airspeed.htp";

// The speed fields by their drivingField number (0 is none).
struct SpeedFieldId {
    SpeedField field;
    int id;
};
constexpr SpeedFieldId kSpeedFields[] = {
    {SpeedField::Tas, kTas},
    {SpeedField::Ras, kRas},
    {SpeedField::Mach, kMach},
};

int fieldNumber(SpeedField field) {
    return static_cast<int>(field);
}

// The drivingField number of a control, or 0 for a control that is no speed field.
int speedFieldOf(int id) {
    for (const SpeedFieldId& f : kSpeedFields) {
        if (f.id == id) {
            return fieldNumber(f.field);
        }
    }
    return 0;
}

int controlOf(SpeedField field) {
    for (const SpeedFieldId& f : kSpeedFields) {
        if (f.field == field) {
            return f.id;
        }
    }
    return 0;
}

class AirspeedDialog : public WindowProc {
  public:
    AirspeedDialog(RunState& state, Platform& platform)
        : drivingField_(state.airspeedDrivingField),
          celsius_(state.preferences.tempCelsius != 0),
          platform_(platform) {}

    void onOpen(Window& window) override {
        window.setText(kTemperatureLabel, celsius_ ? "Temp (\u00b0C)" : "Temp (\u00b0F)");
        // Its focus notification writes the speed-of-sound line; no speed is converted.
        window.setFocus(kAltitude);
    }

    void onCommand(Window& window, int id, int code) override {
        // Only Done ends the dialog; any other command, the close command 2 included, is a
        // notification like the rest and rewrites the speed-of-sound line.
        if (id == kCommandOk) {
            window.end(2);
            return;
        }
        const AirspeedAtmosphere air =
            airspeedAtmosphere(window.getReal(kAltitude), window.getReal(kTemperature), celsius_);

        const int field = speedFieldOf(id);
        if (field != 0 && code == notify::kEditSetFocus) {
            drivingField_ = field;
        }
        if (field != 0 && field == drivingField_) {
            convert(window, static_cast<SpeedField>(field), air);
        }
        window.setText(kSpeedOfSound, formatSpeedOfSound(displayedSpeedOfSound(air.tempC)));
    }

    bool onHelp(Window&) override {
        launchHelp(platform_, kHelpFile);
        return true;
    }

  private:
    // Converts the driving field's value and writes the other two speed fields.
    void convert(Window& window, SpeedField driving, const AirspeedAtmosphere& air) {
        if (limitingRas_) {
            return;  // the "Max reliable" message is up: the RAS field is about to become 300
        }
        const double value = window.getReal(controlOf(driving));
        switch (driving) {
            case SpeedField::Tas:
                write(window, textsFromTas(value, air));
                break;
            case SpeedField::Ras:
                if (value > kMaxReliableRas) {
                    limitRas(window);
                } else {
                    write(window, textsFromRas(value, air));
                }
                break;
            case SpeedField::Mach:
                write(window, textsFromMach(value, air));
                break;
        }
    }

    // A typed RAS above what the model can be trusted for: the pilot is told, and the field
    // becomes 300. That write is itself a change of the driving field, so it converts 300; the
    // value that was too large is not converted here.
    void limitRas(Window& window) {
        limitingRas_ = true;
        window.message(kMaxReliableRasMessage);
        limitingRas_ = false;
        window.setText(kRas, kMaxReliableRasText);
    }

    static void write(Window& window, const std::array<SpeedText, 2>& texts) {
        for (const SpeedText& t : texts) {
            window.setText(controlOf(t.field), t.text);
        }
    }

    int& drivingField_;
    const bool celsius_;
    Platform& platform_;
    bool limitingRas_ = false;
};

}  // namespace

std::unique_ptr<WindowProc> makeAirspeedDialog(DialogContext& context) {
    return std::make_unique<AirspeedDialog>(context.state, context.platform);
}

}  // namespace orvane
