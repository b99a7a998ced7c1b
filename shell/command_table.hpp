// The main window's command table: what each menu and accelerator command does.
#pragma once

#include <span>

#include "shell/dialogs.hpp"

namespace orvane {

enum class CommandAction {
    CloseWindow,    // Ctrl+Q: a close request to the main window
    DestroyWindow,  // Exit
    OpenDialog,     // a modal dialog over the main window
    MainHelp,       // the help viewer on the main topic
    ToggleNight,    // Ctrl+N: Night, and back to the appearance before it
};

struct CommandEntry {
    int command;
    CommandAction action;
    int templateId;         // OpenDialog only
    DialogFactory factory;  // OpenDialog only
};

std::span<const CommandEntry> commandTable();
// The entry for a command, or null for a command outside the table.
const CommandEntry* findCommand(int command);

}  // namespace orvane
