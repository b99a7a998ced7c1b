// What the keys do, the same on every host: Enter, Escape, Space and Tab in a dialog, and the
// keys that walk the main window's menu bar. Both hosts ask these rules, so a script that uses
// the keys sees the same notifications on each.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "res/templates.hpp"

namespace orvane {

enum class Key { Enter, Escape, Tab, BackTab, Space, AltF, AltT, F10, Up, Down, Left, Right };

// The key a script names ("enter", "escape", "tab", "shift+tab", "space", "alt+f", "alt+t",
// "f10", "up", "down", "left", "right"), or nothing.
std::optional<Key> keyNamed(std::string_view name);

// Whether Tab stops at such a control: every field the pilot can type into or pick from, every
// push button (the hemisphere buttons too) and every radio button.
bool tabStop(ControlKind kind, unsigned style);

// A window's controls as they are now, by template index; visible means shown and enabled, a
// control the pilot can reach.
struct ControlState {
    std::function<bool(std::size_t index)> visible;
    std::function<std::string(std::size_t index)> text;
};

// The control Tab (forward) or Shift+Tab moves the focus to from the control focusId: the next
// visible tab stop in template order, round to the first. 0 when there is none.
int nextTabStop(const DialogTemplate& dialog, int focusId, bool forward, const ControlState& now);

// What Enter or Space comes to in a dialog.
struct KeyAction {
    enum class Kind { Nothing, Tap, Command };
    Kind kind = Kind::Nothing;
    int id = 0;  // the button tapped, or the command
};

// Enter taps the push or radio button that has the focus; anywhere else it taps the dialog's
// default button (Calculate, where the dialog has one), so that it computes and never closes a
// calculator; a dialog without a default button takes it as OK (command 1).
KeyAction enterAction(const DialogTemplate& dialog, int focusId, const ControlState& now);
// Space taps the push or radio button that has the focus, and does nothing elsewhere.
KeyAction spaceAction(const DialogTemplate& dialog, int focusId);
// Escape does what Done does (command 1) in a dialog that has Done; elsewhere it is the close
// box, which in the disclaimer is its EXIT button (command 2).
int escapeCommand(const DialogTemplate& dialog);

// The name assistive technology gives a control: an explicit name where the dialog's layout
// cannot give one (the position fields), else the label beside it (left), the label over it or
// over its column, both when there are both ("Basic Weight"), the unit to its right, the title
// of the frame around it; a button's own text. Empty for controls that name nothing.
std::string accessibleName(const DialogTemplate& dialog, std::size_t index,
                           const ControlState& now);

// The lines of the summary panel as text ("True course: 230°"): each label with the value drawn
// after it, the cost line on its own.
struct PanelText {
    std::string text;
    bool label = false;  // drawn as a label (ends with ':')
};
std::vector<std::string> panelLines(const std::vector<PanelText>& drawn);

// The main window's menu by keyboard: F10 gives the bar the focus, Alt+F and Alt+T open File and
// Tools, the arrows move through the items, submenus and columns, Enter picks and Escape closes
// one level. Works on menu 102 as data; a host shows the state as it likes.
class MenuKeys {
  public:
    // Plays one key; returns the command picked, if any (the menu is then closed).
    std::optional<int> press(Key key);
    bool active() const { return !path_.empty(); }
    // The open levels: the bar button first, then the item chosen in each open menu; an empty
    // path is a closed menu. Items are indices into mainMenu().
    const std::vector<std::size_t>& path() const { return path_; }
    // The bar button's index that has the focus, when the bar is active.
    std::optional<std::size_t> barButton() const;
    void close() { path_.clear(); }

  private:
    std::vector<std::size_t> path_;  // [bar button index, item index, item index, ...]
};

}  // namespace orvane
