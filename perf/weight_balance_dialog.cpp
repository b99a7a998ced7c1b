// The weight-and-balance sheet: eight stations, each a weight and an arm, with every moment, the
// totals and the centre of gravity following as the pilot types. The basic weight and the eight
// arms are the aircraft's constants, shown from the defaults at opening and stored back on OK;
// the total weight and the centre of gravity go to the summary panel while the sheet is open, and
// the line under the totals says whether the current aircraft's limits allow that loading.
#include "perf/weight_balance_dialog.hpp"

#include "calc/numbers.hpp"
#include "perf/envelope.hpp"
#include "res/ids.hpp"
#include "shell/dialogs.hpp"
#include "shell/help.hpp"

namespace orvane {

namespace {

using namespace ctl::weight_balance;

// Whether the control is one of the sixteen weight and arm fields. The moments and totals are
// written by the sheet itself: their change notifications must not recalculate (they would
// recurse), and OK closes without recalculating.
bool isInputField(int id) {
    for (const WeightBalanceStation& station : weightBalanceStations) {
        if (id == station.weightId || id == station.armId) {
            return true;
        }
    }
    return false;
}

class WeightBalanceDialog : public WindowProc {
  public:
    explicit WeightBalanceDialog(DialogContext& context)
        : summary_(context.state.summary),
          defaults_(context.state.defaults),
          fleet_(context.state.aircraft),
          platform_(context.platform) {}

    void onOpen(Window& window) override {
        const WeightBalanceStation& basic = weightBalanceStations.front();
        window.setInt(basic.weightId, defaults_.basicWeight);
        for (const WeightBalanceStation& station : weightBalanceStations) {
            window.setText(station.armId,
                           formatReal(kArmFormat, defaults_.*station.arm * kArmShownPerHeld));
        }
        // The basic weight's focus notification fills the moments and totals, with the other
        // weights empty: the take-off weight drops back to the basic weight.
        window.setFocus(basic.weightId);
    }

    void onCommand(Window& window, int id, int /*code*/) override {
        if (id == kCommandOk) {
            storeConstants(window);
            window.end(2);
            return;
        }
        if (isInputField(id)) {
            recalculateWeightBalance(window);
        }
    }

    bool onHelp(Window&) override {
        launchHelp(platform_, kWeightBalanceHelp);
        return true;
    }

  private:
    // Reads the sixteen inputs, writes the eight moments and the three totals, and sets the
    // take-off weight and centre of gravity of the flight summary (each only when it is a
    // number: a field holding "1e999" shows "----" and leaves the summary as it was).
    void recalculateWeightBalance(Window& window) {
        std::array<StationLoad, kWeightBalanceStations> loads{};
        for (std::size_t i = 0; i < weightBalanceStations.size(); ++i) {
            loads[i] = StationLoad{window.getReal(weightBalanceStations[i].weightId, kFieldChars),
                                   window.getReal(weightBalanceStations[i].armId, kFieldChars)};
        }
        const WeightBalance wb = sumWeightBalance(loads);
        for (std::size_t i = 0; i < weightBalanceStations.size(); ++i) {
            window.setText(weightBalanceStations[i].momentId,
                           formatReal(kMomentFormat, wb.moments[i]));
        }
        window.setText(kTotalWeight, formatReal(kTotalFormat, wb.totalWeight));
        window.setText(kTotalMoment, formatReal(kTotalFormat, wb.totalMoment));
        window.setText(kCentreOfGravity, formatReal(kCentreOfGravityFormat, wb.centreOfGravity));
        storeFinite(summary_.takeOffWeight, wb.totalWeight);
        storeFinite(summary_.centreOfGravity, wb.centreOfGravity);
        // Whether the current aircraft may fly so loaded.
        std::int32_t maxTakeOffWeight = 0;
        std::span<const EnvelopePoint> envelope;
        if (fleet_.current < fleet_.profiles.size()) {
            maxTakeOffWeight = fleet_.profiles[fleet_.current].maxTakeOffWeight;
            envelope = fleet_.profiles[fleet_.current].envelope;
        }
        window.setText(kLoadingStatus, loadingStatus(wb.totalWeight, wb.centreOfGravity,
                                                     maxTakeOffWeight, envelope));
    }

    // OK: the basic weight truncated to whole units (a value that is not a number or does not
    // fit keeps the stored one) and each arm in tenths (likewise only when it is a number).
    void storeConstants(Window& window) {
        const WeightBalanceStation& basic = weightBalanceStations.front();
        if (const auto weight = truncToInt32(window.getReal(basic.weightId, kFieldChars))) {
            defaults_.basicWeight = *weight;
        }
        for (const WeightBalanceStation& station : weightBalanceStations) {
            storeFinite(defaults_.*station.arm,
                        window.getReal(station.armId, kFieldChars) * kArmHeldPerShown);
        }
    }

    FlightSummary& summary_;
    DefaultData& defaults_;
    const AircraftFleet& fleet_;
    Platform& platform_;
};

}  // namespace

std::unique_ptr<WindowProc> makeWeightBalanceDialog(DialogContext& context) {
    return std::make_unique<WeightBalanceDialog>(context);
}

}  // namespace orvane
