#include "shell/command_table.hpp"

#include "res/ids.hpp"

namespace orvane {

namespace {

constexpr CommandAction kDialog = CommandAction::OpenDialog;

const CommandEntry kCommandTable[] = {
    {cmd::kCloseRequest, CommandAction::CloseWindow, 0, nullptr},
    {cmd::kExit, CommandAction::DestroyWindow, 0, nullptr},
    {cmd::kAbout, kDialog, dlg::kAbout, makeAboutDialog},
    {cmd::kConversions, kDialog, dlg::kConversions, makeConversionsDialog},
    {cmd::kHeadingGroundSpeed, kDialog, dlg::kCalculator, makeCalculatorDialog},
    {cmd::kTrackGroundSpeed, kDialog, dlg::kCalculator, makeCalculatorDialog},
    {cmd::kGreatCircle, kDialog, dlg::kGreatCircle, makeGreatCircleDialog},
    {cmd::kUnknownWind, kDialog, dlg::kCalculator, makeCalculatorDialog},
    {cmd::kCrosswind, kDialog, dlg::kCalculator, makeCalculatorDialog},
    {cmd::kWeightBalance, kDialog, dlg::kWeightBalance, makeWeightBalanceDialog},
    {cmd::kPressureDensityAltitude, kDialog, dlg::kCalculator, makeCalculatorDialog},
    {cmd::kAirspeed, kDialog, dlg::kAirspeed, makeAirspeedDialog},
    {cmd::kRateOfClimb, kDialog, dlg::kCalculator, makeCalculatorDialog},
    {cmd::kTopOfDescent, kDialog, dlg::kCalculator, makeCalculatorDialog},
    {cmd::kRateOfDescent, kDialog, dlg::kCalculator, makeCalculatorDialog},
    {cmd::kTimer, kDialog, dlg::kStopwatch, makeStopwatchDialog},
    {cmd::kLogbook, kDialog, dlg::kCalculator, makeCalculatorDialog},
    {cmd::kCosting, kDialog, dlg::kCalculator, makeCalculatorDialog},
    {cmd::kHolding, kDialog, dlg::kCalculator, makeCalculatorDialog},
    {cmd::kCriticalPoint, kDialog, dlg::kCriticalPoint, makeCriticalPointDialog},
    {cmd::kPointOfNoReturn, kDialog, dlg::kPointOfNoReturn, makePointOfNoReturnDialog},
    {cmd::kSunriseSunset, kDialog, dlg::kSunriseSunset, makeSunriseSunsetDialog},
    {cmd::kTrueAltitude, kDialog, dlg::kCalculator, makeCalculatorDialog},
    {cmd::kTopOfClimb, kDialog, dlg::kCalculator, makeCalculatorDialog},
    {cmd::kHelp, CommandAction::MainHelp, 0, nullptr},
    {cmd::kPreferences, kDialog, dlg::kPreferences, makePreferencesDialog},
    {cmd::kFuelPlanning, kDialog, dlg::kCalculator, makeCalculatorDialog},
    {cmd::kAircraft, kDialog, dlg::kAircraft, makeAircraftDialog},
    {cmd::kToggleNight, CommandAction::ToggleNight, 0, nullptr},
};

}  // namespace

std::span<const CommandEntry> commandTable() {
    return kCommandTable;
}

const CommandEntry* findCommand(int command) {
    for (const CommandEntry& e : kCommandTable) {
        if (e.command == command) {
            return &e;
        }
    }
    return nullptr;
}

}  // namespace orvane
