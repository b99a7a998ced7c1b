// Menu 102, its menu-bar definition, accelerator table 3 and the string table.
#pragma once

#include <span>

namespace orvane {

namespace menu {
inline constexpr unsigned kPopup = 1u << 0;  // opens a submenu of the items that follow
inline constexpr unsigned kSeparator = 1u << 1;
inline constexpr unsigned kNewColumn = 1u << 2;  // starts a new menu column
}  // namespace menu

// One item of menu 102, in order; level 0 are the two drop-down menus, deeper levels their
// submenus. A popup's items are the following items one level deeper.
struct MenuItem {
    int level;
    const char* text;
    int command;  // 0 for popups and separators
    unsigned flags;
};

// A button of the menu bar: its command, its text's string id and the drop-down it opens.
struct MenuBarButton {
    int command;
    int stringId;
    int menuIndex;
};

// An accelerator: Ctrl plus a letter gives a command.
struct Accelerator {
    char letter;  // upper case
    int command;
};

std::span<const MenuItem> mainMenu();
std::span<const MenuBarButton> menuBarButtons();
std::span<const Accelerator> accelerators();

// A string resource (res/ids.hpp names them), or "" when there is none.
const char* loadString(int id);

}  // namespace orvane
