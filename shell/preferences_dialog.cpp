// Preferences: temperature in Fahrenheit or Celsius, pressure in inches or millibars. A choice
// takes effect at once for every calculator opened afterwards; the settings store keeps it when
// the program ends.
#include "shell/dialogs.hpp"

namespace orvane {

namespace {

constexpr int kFahrenheit = 1111;
constexpr int kCelsius = 1112;
constexpr int kInches = 1113;
constexpr int kMillibars = 1114;

class PreferencesDialog : public WindowProc {
  public:
    explicit PreferencesDialog(PreferenceData& preferences) : preferences_(preferences) {}

    void onOpen(Window& window) override {
        window.setChecked(preferences_.tempCelsius == 0 ? kFahrenheit : kCelsius, true);
        window.setChecked(preferences_.pressureMillibars == 0 ? kInches : kMillibars, true);
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
            case kCommandCancel:
                window.end(2);
                break;
            default:
                break;  // there is no OK button; command 1 does nothing
        }
    }

  private:
    PreferenceData& preferences_;
};

}  // namespace

std::unique_ptr<WindowProc> makePreferencesDialog(DialogContext& context) {
    return std::make_unique<PreferencesDialog>(context.state.preferences);
}

}  // namespace orvane
