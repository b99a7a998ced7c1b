// "Gt circle - Rh line": the great circle and the rhumb line from a From position to a To
// position, with the average magnetic variation along the rhumb line.
//
// The rhumb line's course and distance and the variation are what the rest of the program flies
// with: Calculate stores them in the flight summary. The From position becomes the home position,
// which this dialog and the sunrise dialog open with.
#include <cmath>

#include "calc/numbers.hpp"
#include "geo/great_circle.hpp"
#include "geo/position_entry.hpp"
#include "geo/variation.hpp"
#include "res/ids.hpp"
#include "shell/dialogs.hpp"
#include "shell/help.hpp"

namespace orvane {

namespace {

using namespace ctl::great_circle;

constexpr const char* kHelpFile = "latlon.htp";
constexpr const char* kCourseFormat = "%05.1f\u00b0";
constexpr const char* kDistanceFormat = "%1.1fnm";

constexpr CoordinateLayout kFromLatitude = latitudeLayout(
    kFromLatitudeDegrees, kFromLatitudeMinutes, kFromLatitudeHundredths, kFromLatitudeHemisphere);
constexpr CoordinateLayout kFromLongitude =
    longitudeLayout(kFromLongitudeDegrees, kFromLongitudeMinutes, kFromLongitudeHundredths,
                    kFromLongitudeHemisphere);
constexpr CoordinateLayout kToLatitude = latitudeLayout(
    kToLatitudeDegrees, kToLatitudeMinutes, kToLatitudeHundredths, kToLatitudeHemisphere);
constexpr CoordinateLayout kToLongitude = longitudeLayout(
    kToLongitudeDegrees, kToLongitudeMinutes, kToLongitudeHundredths, kToLongitudeHemisphere);

class GreatCircleDialog : public WindowProc {
  public:
    explicit GreatCircleDialog(DialogContext& context)
        : state_(context.state), platform_(context.platform) {}

    void onOpen(Window& window) override {
        from_.fill(window, state_.defaults.latitude, state_.defaults.longitude);
        // The To position starts empty (00 00.00 N, 000 00.00 W as read) with the template's
        // letters.
        to_.clear();
    }

    void onCommand(Window& window, int id, int code) override {
        switch (id) {
            case kCalculate:
                if (code == notify::kClicked) {
                    calculate(window);
                }
                break;
            case kCommandOk:
            case kCommandCancel:
                window.end(2);
                break;
            case kCommandHelp:
                launchHelp(platform_, kMainHelpFile);
                break;
            default:
                if (!from_.onCommand(window, id, code)) {
                    to_.onCommand(window, id, code);
                }
                break;
        }
    }

    bool onHelp(Window&) override {
        launchHelp(platform_, kHelpFile);
        return true;
    }

  private:
    void calculate(Window& window) {
        const EnteredCoordinate fromLat = from_.latitude.readSigned(window);
        const EnteredCoordinate fromLon = from_.longitude.readSigned(window);
        const double latTo = to_.latitude.readSigned(window).radians;
        const double lonTo = to_.longitude.readSigned(window).radians;
        const double latFrom = fromLat.radians;
        const double lonFrom = fromLon.radians;

        // The From position is the new home position, even when no route follows from it.
        state_.defaults.latitude = fromLat.minutesOfArc;
        state_.defaults.longitude = fromLon.minutesOfArc;

        const GreatCircle gc = greatCircle(latFrom, lonFrom, latTo, lonTo);
        if (gc.coincident) {
            return;  // From and To coincide: no route, the results stay as they were
        }
        window.setText(kInitialCourse, formatReal(kCourseFormat, gc.course));
        window.setText(kGreatCircleDistance, formatReal(kDistanceFormat, gc.distance));

        // The rhumb line takes the To longitude as the great circle left it (shifted off the
        // From meridian for a route along it).
        const RhumbLine rl = rhumbLine(latFrom, lonFrom, latTo, gc.lonTo);
        const double course = rl.course * kRadToDeg;
        const double distance = rl.distance * geo::kNmPerRadian;
        const double variation = routeVariation(latFrom, lonFrom, rl.course, rl.distance);
        // A route with no finite rhumb line (a latitude typed beyond the pole) shows "----" and
        // leaves the flight summary alone: course, distance and variation are replaced together
        // or not at all, so the summary never mixes two routes.
        if (std::isfinite(course) && std::isfinite(distance)) {
            FlightSummary& summary = state_.summary;
            storeFinite(summary.trueCourse, course);
            storeFinite(summary.distance, distance);
            storeFinite(summary.magVariation, variation);
        }
        window.setText(kRhumbCourse, formatReal(kCourseFormat, course));
        window.setText(kRhumbDistance, formatReal(kDistanceFormat, distance));
        window.setText(kVariation, formatVariation(variation));
    }

    // The variation at the rhumb line's midpoint from the model the pilot chose: the world model
    // on today's UTC date, or the regional model (also when no world model could be read).
    double routeVariation(double latFrom, double lonFrom, double tc, double dr) {
        const MagneticModel* model = state_.preferences.varModel == kVarModelWorld
                                         ? worldMagneticModel(state_, platform_)
                                         : nullptr;
        if (model != nullptr) {
            const Date today = platform_.utcDate();
            return worldVariation(*model, latFrom, lonFrom, tc, dr,
                                  decimalYear(today.year, today.month, today.day));
        }
        return averageVariation(latFrom, lonFrom, tc, dr);
    }

    RunState& state_;
    Platform& platform_;
    PositionEntry from_{CoordinateEntry(kFromLatitude), CoordinateEntry(kFromLongitude)};
    PositionEntry to_{CoordinateEntry(kToLatitude), CoordinateEntry(kToLongitude)};
};

}  // namespace

std::unique_ptr<WindowProc> makeGreatCircleDialog(DialogContext& context) {
    return std::make_unique<GreatCircleDialog>(context);
}

}  // namespace orvane
