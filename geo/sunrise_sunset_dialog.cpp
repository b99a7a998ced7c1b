// "Sunrise - Sunset": the times of sunrise and sunset in UTC for a position on today's UTC date.
//
// The position starts as the home position; whatever the pilot types here is used for this
// calculation only and is not stored. The date is the device clock's, read when the dialog opens
// (for the caption) and again at each Calculate (for the times), so a dialog left open over
// midnight UTC calculates for the new day.
#include "geo/position_entry.hpp"
#include "geo/sun.hpp"
#include "res/ids.hpp"
#include "shell/dialogs.hpp"
#include "shell/help.hpp"

namespace orvane {

namespace {

using namespace ctl::sunrise_sunset;

constexpr CoordinateLayout kLatitude =
    latitudeLayout(kLatitudeDegrees, kLatitudeMinutes, kLatitudeHundredths, kLatitudeHemisphere);
constexpr CoordinateLayout kLongitude = longitudeLayout(kLongitudeDegrees, kLongitudeMinutes,
                                                        kLongitudeHundredths, kLongitudeHemisphere);

class SunriseSunsetDialog : public WindowProc {
  public:
    explicit SunriseSunsetDialog(DialogContext& context)
        : defaults_(context.state.defaults), platform_(context.platform) {}

    void onOpen(Window& window) override {
        position_.fill(window, defaults_.latitude, defaults_.longitude);
        const Date today = platform_.utcDate();
        window.setText(kDateFrame,
                       sunCaption(today.year, today.month, today.day, platform_.shortDateOrder()));
    }

    void onCommand(Window& window, int id, int code) override {
        switch (id) {
            case kCalculate:
                if (code == notify::kClicked) {
                    calculate(window);
                }
                break;
            case kCommandOk:
                window.end(2);
                break;
            case kCommandHelp:
                launchHelp(platform_, kMainHelpFile);
                break;
            default:
                position_.onCommand(window, id, code);
                break;
        }
    }

    // No help page of its own: the help request is left unanswered.

  private:
    void calculate(Window& window) {
        const double lat = position_.latitude.readSignedDegrees(window);
        // The sun's calculation takes longitude east positive.
        const double lon = position_.longitude.readSignedDegrees(window) * -1.0;
        const Date today = platform_.utcDate();
        const SunTimes times = sunriseSunset(lat, lon, today.year, today.month, today.day);
        window.setText(kSunrise, formatSunTime(times.sunrise, true));
        window.setText(kSunset, formatSunTime(times.sunset, false));
    }

    const DefaultData& defaults_;
    Platform& platform_;
    PositionEntry position_{CoordinateEntry(kLatitude), CoordinateEntry(kLongitude)};
};

}  // namespace

std::unique_ptr<WindowProc> makeSunriseSunsetDialog(DialogContext& context) {
    return std::make_unique<SunriseSunsetDialog>(context);
}

}  // namespace orvane
