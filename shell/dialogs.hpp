// Every dialog procedure of the program, made by its factory for one opening. The command table
// opens them; each lives in its own file named after it.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/platform.hpp"
#include "shell/run_state.hpp"

namespace orvane {

// What a dialog procedure may reach: the shared records of the run and the platform.
struct DialogContext {
    RunState& state;
    Platform& platform;
};

// The World Magnetic Model from its coefficient file, read the first time it is asked for and
// kept for the run; null when there is no usable file. Not read at start: the file is 14 KB of
// coefficients to parse that a pilot who never opens Preferences or the great circle with the
// world model chosen does not need.
const MagneticModel* worldMagneticModel(RunState& state, Platform& platform);

using DialogFactory = std::unique_ptr<WindowProc> (*)(DialogContext&);

std::unique_ptr<WindowProc> makeSplashDialog(DialogContext&);           // 118
std::unique_ptr<WindowProc> makeDisclaimerDialog(DialogContext&);       // 155
std::unique_ptr<WindowProc> makeAboutDialog(DialogContext&);            // 159
std::unique_ptr<WindowProc> makePreferencesDialog(DialogContext&);      // 152
std::unique_ptr<WindowProc> makeStopwatchDialog(DialogContext&);        // 120
std::unique_ptr<WindowProc> makeCalculatorDialog(DialogContext&);       // 106
std::unique_ptr<WindowProc> makeGreatCircleDialog(DialogContext&);      // 154
std::unique_ptr<WindowProc> makeSunriseSunsetDialog(DialogContext&);    // 153
std::unique_ptr<WindowProc> makeAirspeedDialog(DialogContext&);         // 148
std::unique_ptr<WindowProc> makeCriticalPointDialog(DialogContext&);    // 149
std::unique_ptr<WindowProc> makePointOfNoReturnDialog(DialogContext&);  // 151
std::unique_ptr<WindowProc> makeWeightBalanceDialog(DialogContext&);    // 150
std::unique_ptr<WindowProc> makeConversionsDialog(DialogContext&);      // 119
std::unique_ptr<WindowProc> makeAircraftDialog(DialogContext&);         // 160

// The menu commands the calculator dialog has a mode for, in the mode table's order.
std::vector<int> calculatorModeCommands();

// The text of the world model's choice in Preferences on a given date: "World model (WMM-2025)"
// with the name from the coefficient file, ", out of date" added outside the model's five
// years; plain "World model" without a model.
std::string worldModelText(const MagneticModel* model, Date today);

}  // namespace orvane
