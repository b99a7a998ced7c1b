// The Aircraft dialog: the pilot's aircraft, one of them current. Choosing another in the list
// keeps the current aircraft's constants and limits in its profile and makes the chosen one's
// the constants every calculator uses. New, Rename and Delete work on the current aircraft; its
// maximum take-off weight and envelope are edited here and drawn in the picture with the current
// loading. Done, and choosing another aircraft, first check the two limit fields and keep them
// in the current profile; a bad entry is answered with a message and nothing is kept.
#include "perf/aircraft_dialog.hpp"

#include "calc/numbers.hpp"
#include "perf/envelope_picture.hpp"
#include "perf/weight_balance_dialog.hpp"
#include "res/ids.hpp"
#include "shell/aircraft.hpp"
#include "shell/dialogs.hpp"
#include "shell/help.hpp"

namespace orvane {

namespace {

using namespace ctl::aircraft;

std::string count(std::size_t n) {
    return formatInt(static_cast<std::int32_t>(n));
}

// What the pilot is told about a bad entry.
std::string nameMessage(AircraftNameError error) {
    switch (error) {
        case AircraftNameError::None:
            return "";
        case AircraftNameError::Empty:
            return "Enter a name for the aircraft";
        case AircraftNameError::TooLong:
            return "Name: max " + count(kMaxAircraftNameChars) + " characters";
        case AircraftNameError::BadCharacter:
            return "A name may not contain \\";
        case AircraftNameError::Taken:
            return "That name is already used";
    }
    return "";
}

std::string envelopeMessage(const EnvelopeReading& reading) {
    switch (reading.error) {
        case EnvelopeError::None:
            return "";
        case EnvelopeError::NotTwoNumbers:
            return "Envelope point " + count(reading.badPoint) + " is not two numbers (weight,cg)";
        case EnvelopeError::TooFewPoints:
            return "An envelope needs at least " + count(kMinEnvelopePoints) + " points";
        case EnvelopeError::TooManyPoints:
            return "An envelope has at most " + count(kMaxEnvelopePoints) + " points";
    }
    return "";
}

constexpr const char* kLastAircraftMessage = "The only aircraft cannot be deleted";

// The maximum take-off weight field: whole weight units, truncated; 0 or less (or no number) is
// none.
std::int32_t readMaxTakeOffWeight(const Window& window) {
    const std::int32_t w = truncToInt32(window.getReal(kMaxTakeOffWeight, kFieldChars)).value_or(0);
    return w > 0 ? w : 0;
}

class AircraftDialog : public WindowProc {
  public:
    explicit AircraftDialog(DialogContext& context)
        : fleet_(context.state.aircraft),
          defaults_(context.state.defaults),
          summary_(context.state.summary),
          platform_(context.platform) {}

    void onOpen(Window& window) override {
        if (fleet_.profiles.empty()) {
            fleet_ = singleAircraft(kFirstAircraftName, defaults_);
        }
        showCurrent(window);
        window.setFocus(kList);
    }

    void onCommand(Window& window, int id, int code) override {
        switch (id) {
            case kCommandOk: {
                AircraftProfile limits;
                if (readLimits(window, limits)) {
                    keepLimits(limits);
                    window.end(1);
                }
                break;
            }
            case kList:
                if (code == notify::kComboSelChange) {
                    choose(window, window.text(kList));
                }
                break;
            case kNew:
                if (code == notify::kClicked) {
                    add(window);
                }
                break;
            case kRename:
                if (code == notify::kClicked) {
                    rename(window);
                }
                break;
            case kDelete:
                if (code == notify::kClicked) {
                    remove(window);
                }
                break;
            case kMaxTakeOffWeight:
            case kEnvelope:
                if (code == notify::kEditChange) {
                    window.redraw(kEnvelopePicture);
                }
                break;
            default:
                break;
        }
    }

    bool onHelp(Window&) override {
        launchHelp(platform_, kAircraftHelp);
        return true;
    }

    // The envelope as the field holds it while it reads well (else as kept), with the loading.
    void onDrawItem(Window& window, int id, Painter& painter, int width, int height) override {
        if (id != kEnvelopePicture) {
            return;
        }
        const AircraftProfile& current = fleet_.profiles[fleet_.current];
        EnvelopeReading typed = readEnvelope(window.text(kEnvelope));
        const std::vector<EnvelopePoint>& envelope =
            typed.error == EnvelopeError::None ? typed.points : current.envelope;
        paintEnvelopePicture(painter, width, height, envelope, readMaxTakeOffWeight(window),
                             summary_.takeOffWeight, summary_.centreOfGravity,
                             coloursOf(platform_.shade()));
    }

  private:
    AircraftProfile& current() { return fleet_.profiles[fleet_.current]; }

    // The list, the name and the limit fields from the current profile.
    void showCurrent(Window& window) {
        window.clearList(kList);
        for (const std::string& name : aircraftNames(fleet_)) {
            window.addListEntry(kList, name);
        }
        const AircraftProfile& profile = current();
        window.setText(kList, profile.name);
        window.setText(kName, profile.name);
        window.setText(kMaxTakeOffWeight,
                       profile.maxTakeOffWeight > 0 ? formatInt(profile.maxTakeOffWeight) : "");
        window.setText(kEnvelope, formatEnvelope(profile.envelope));
        window.redraw(kEnvelopePicture);
    }

    // The two limit fields as they would be kept; false (after telling the pilot) when the
    // envelope does not read.
    bool readLimits(Window& window, AircraftProfile& limits) {
        EnvelopeReading envelope = readEnvelope(window.text(kEnvelope));
        if (envelope.error != EnvelopeError::None) {
            window.message(envelopeMessage(envelope));
            return false;
        }
        limits.maxTakeOffWeight = readMaxTakeOffWeight(window);
        limits.envelope = std::move(envelope.points);
        return true;
    }

    void keepLimits(const AircraftProfile& limits) {
        current().maxTakeOffWeight = limits.maxTakeOffWeight;
        current().envelope = limits.envelope;
    }

    // The name field's text when it may name a profile (except: the profile being renamed).
    std::optional<std::string> checkedName(Window& window, std::optional<std::size_t> except) {
        std::string name = trimAircraftName(window.text(kName));
        const AircraftNameError error = checkAircraftName(fleet_, name, except);
        if (error != AircraftNameError::None) {
            window.message(nameMessage(error));
            return std::nullopt;
        }
        return name;
    }

    void choose(Window& window, const std::string& name) {
        const std::optional<std::size_t> chosen = findAircraft(fleet_, name);
        if (!chosen || *chosen == fleet_.current) {
            return;
        }
        AircraftProfile limits;
        if (!readLimits(window, limits)) {
            window.setText(kList, current().name);
            return;
        }
        keepLimits(limits);
        chooseAircraft(fleet_, defaults_, *chosen);
        showLoadingOfBasicWeight();
        showCurrent(window);
    }

    // The new profile starts from the current aircraft with the limits as the fields hold them.
    void add(Window& window) {
        AircraftProfile limits;
        if (!readLimits(window, limits)) {
            return;
        }
        if (std::optional<std::string> name = checkedName(window, std::nullopt)) {
            keepLimits(limits);
            addAircraft(fleet_, defaults_, std::move(*name));
            showCurrent(window);
        }
    }

    void rename(Window& window) {
        if (std::optional<std::string> name = checkedName(window, fleet_.current)) {
            renameAircraft(fleet_, std::move(*name));
            showCurrent(window);
        }
    }

    void remove(Window& window) {
        if (fleet_.profiles.size() < 2) {
            window.message(kLastAircraftMessage);
            return;
        }
        if (!window.ask("Delete " + current().name + "?")) {
            return;
        }
        deleteAircraft(fleet_, defaults_);
        showLoadingOfBasicWeight();
        showCurrent(window);
    }

    // Another aircraft is current: the take-off weight and centre of gravity on the panel become
    // its own empty ones (its basic weight at its basic arm), as when its loading sheet opens,
    // rather than another aircraft's loading under this one's name.
    void showLoadingOfBasicWeight() {
        std::array<StationLoad, kWeightBalanceStations> loads{};
        loads[0] =
            StationLoad{static_cast<double>(defaults_.basicWeight),
                        readReal(formatReal(kArmFormat, defaults_.basicArm * kArmShownPerHeld))};
        const WeightBalance wb = sumWeightBalance(loads);
        storeFinite(summary_.takeOffWeight, wb.totalWeight);
        storeFinite(summary_.centreOfGravity, wb.centreOfGravity);
    }

    AircraftFleet& fleet_;
    DefaultData& defaults_;
    FlightSummary& summary_;
    Platform& platform_;
};

}  // namespace

std::unique_ptr<WindowProc> makeAircraftDialog(DialogContext& context) {
    return std::make_unique<AircraftDialog>(context);
}

}  // namespace orvane
