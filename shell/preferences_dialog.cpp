// Preferences: temperature in Fahrenheit or Celsius, pressure in inches or millibars, the model
// of the magnetic variation and the Display (Auto, Day or Night). A choice takes effect at once:
// for every calculator opened afterwards, and the Display on the screen; the settings store keeps
// it when the program ends.
#include "geo/magnetic_model.hpp"
#include "res/ids.hpp"
#include "shell/dialogs.hpp"
#include "shell/display.hpp"

namespace orvane {

namespace {

using namespace ctl::preferences;

// The Display group's radio buttons.
struct DisplayButton {
    int id;
    Appearance choice;
};
constexpr DisplayButton kDisplayButtons[] = {{kDisplayAuto, Appearance::Auto},
                                             {kDisplayDay, Appearance::Day},
                                             {kDisplayNight, Appearance::Night}};

class PreferencesDialog : public WindowProc {
  public:
    PreferencesDialog(RunState& state, Platform& platform)
        : state_(state),
          preferences_(state.preferences),
          platform_(platform),
          model_(worldMagneticModel(state, platform)),
          today_(platform.utcDate()) {}

    void onOpen(Window& window) override {
        window.setChecked(preferences_.tempCelsius == 0 ? kFahrenheit : kCelsius, true);
        window.setChecked(preferences_.pressureMillibars == 0 ? kInches : kMillibars, true);
        window.setText(kWorldVariation, worldModelText(model_, today_));
        // Without a usable coefficient file the world model cannot be chosen. The stored choice
        // is kept, so the model comes back with the file; until then the regional one is used.
        window.setEnabled(kWorldVariation, model_ != nullptr);
        const bool world = model_ != nullptr && preferences_.varModel == kVarModelWorld;
        window.setChecked(world ? kWorldVariation : kRegionalVariation, true);
        const Appearance display =
            appearanceFromStore(static_cast<std::uint32_t>(preferences_.display));
        for (const DisplayButton& b : kDisplayButtons) {
            if (b.choice == display) {
                window.setChecked(b.id, true);
            }
        }
    }

    void onCommand(Window& window, int id, int) override {
        switch (id) {
            case kFahrenheit:
                preferences_.tempCelsius = 0;
                break;
            case kCelsius:
                preferences_.tempCelsius = 1;
                break;
            case kInches:
                preferences_.pressureMillibars = 0;
                break;
            case kMillibars:
                preferences_.pressureMillibars = 1;
                break;
            case kRegionalVariation:
                preferences_.varModel = kVarModelRegional;
                break;
            case kWorldVariation:
                if (model_ != nullptr) {
                    preferences_.varModel = kVarModelWorld;
                }
                break;
            case kCommandCancel:
                window.end(2);
                break;
            default:
                for (const DisplayButton& b : kDisplayButtons) {
                    if (b.id == id) {
                        chooseDisplay(state_, platform_, b.choice);
                    }
                }
                break;  // there is no OK button; command 1 does nothing
        }
    }

  private:
    RunState& state_;
    PreferenceData& preferences_;
    Platform& platform_;
    const MagneticModel* model_;
    Date today_;
};

}  // namespace

std::string worldModelText(const MagneticModel* model, Date today) {
    if (model == nullptr) {
        return "World model";
    }
    std::string text = "World model (" + model->name + ")";
    if (!magneticModelCurrent(*model, decimalYear(today.year, today.month, today.day))) {
        text += ", out of date";
    }
    return text;
}

std::unique_ptr<WindowProc> makePreferencesDialog(DialogContext& context) {
    return std::make_unique<PreferencesDialog>(context.state, context.platform);
}

}  // namespace orvane
