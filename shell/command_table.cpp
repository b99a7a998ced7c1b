#include "shell/command_table.hpp"

namespace orvane {

namespace {

constexpr CommandAction kDialog = CommandAction::OpenDialog;

const CommandEntry kCommandTable[] = {
    {1, CommandAction::CloseWindow, 0, nullptr},
    {40002, CommandAction::DestroyWindow, 0, nullptr},
    {40003, kDialog, 159, makeAboutDialog},
    {40006, kDialog, 119, makeConversionsDialog},
    {40011, kDialog, 106, makeCalculatorDialog},
    {40012, kDialog, 106, makeCalculatorDialog},
    {40013, kDialog, 154, makeGreatCircleDialog},
    {40015, kDialog, 106, makeCalculatorDialog},
    {40016, kDialog, 106, makeCalculatorDialog},
    {40018, kDialog, 150, makeWeightBalanceDialog},
    {40019, kDialog, 106, makeCalculatorDialog},
    {40021, kDialog, 148, makeAirspeedDialog},
    {40022, kDialog, 106, makeCalculatorDialog},
    {40023, kDialog, 106, makeCalculatorDialog},
    {40025, kDialog, 106, makeCalculatorDialog},
    {40026, kDialog, 120, makeStopwatchDialog},
    {40027, kDialog, 106, makeCalculatorDialog},
    {40028, kDialog, 106, makeCalculatorDialog},
    {40029, kDialog, 106, makeCalculatorDialog},
    {40030, kDialog, 149, makeCriticalPointDialog},
    {40031, kDialog, 151, makePointOfNoReturnDialog},
    {40032, kDialog, 153, makeSunriseSunsetDialog},
    {40034, kDialog, 106, makeCalculatorDialog},
    {40035, kDialog, 106, makeCalculatorDialog},
    {40036, CommandAction::MainHelp, 0, nullptr},
    {40038, kDialog, 152, makePreferencesDialog},
    {40039, kDialog, 106, makeCalculatorDialog},
    {40041, kDialog, 160, makeAircraftDialog},
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
