// Preferences: temperature in Fahrenheit or Celsius, pressure in inches or millibars, and the
// model of the magnetic variation. A choice takes effect at once for every calculator opened
// afterwards; the settings store keeps it when the program ends.
#include "geo/magnetic_model.hpp"
#include "res/ids.hpp"
#include "shell/dialogs.hpp"

namespace orvane {

namespace {

using namespace ctl::preferences;

class PreferencesDialog : public WindowProc {
  public:
    PreferencesDialog(PreferenceData& preferences, const MagneticModel* model, Date today)
        : preferences_(preferences), model_(model), today_(today) {}

    void onOpen(Window& window) override {
        window.setChecked(preferences_.tempCelsius == 0 ? kFahrenheit : kCelsius, true);
        window.setChecked(preferences_.pressureMillibars == 0 ? kInches : kMillibars, true);
        window.setText(kWorldVariation, worldModelText(model_, today_));
        // Without a usable coefficient file the world model cannot be chosen. The stored choice
        // is kept, so the model comes back with the file; until then the regional one is used.
        window.setEnabled(kWorldVariation, model_ != nullptr);
        const bool world = model_ != nullptr && preferences_.varModel == kVarModelWorld;
        window.setChecked(world ? kWorldVariation : kRegionalVariation, true);
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
                break;  // there is no OK button; command 1 does nothing
        }
    }

  private:
    PreferenceData& preferences_;
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
    return std::make_unique<PreferencesDialog>(
        context.state.preferences, context.state.magneticModel.get(), context.platform.utcDate());
}

}  // namespace orvane
