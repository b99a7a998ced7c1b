// What each kind of control does with the focus and with typing, in notification codes; shared
// by both hosts so that a script sees the same notifications on each.
#pragma once

#include <cstddef>
#include <utility>
#include <vector>

#include "res/templates.hpp"

namespace orvane {

inline constexpr int kNoNotification = -1;

// The notification a control sends when it gains or loses the focus, or kNoNotification.
int setFocusNotification(ControlKind kind);
int killFocusNotification(ControlKind kind);
// The notification an edit or a combo box's edit sends when the pilot changes its text.
int changeNotification(ControlKind kind);
// Whether the pilot can put the focus on such a control.
bool takesFocus(ControlKind kind);
// The kind's name in a dump of the top window.
const char* controlKindName(ControlKind kind);

// The radio group of the radio button at position self among a window's controls (template
// order), as positions [first, last): from the button with the group style, or the first of the
// radio buttons that follow each other, up to the next one with the group style or the end of
// that run. Control needs kind and style.
template <typename Control>
std::pair<std::size_t, std::size_t> radioGroup(const std::vector<Control>& controls,
                                               std::size_t self) {
    std::size_t first = self;
    while (first > 0 && (controls[first].style & cs::kGroup) == 0 &&
           controls[first - 1].kind == ControlKind::RadioButton) {
        --first;
    }
    std::size_t last = first + 1;
    while (last < controls.size() && controls[last].kind == ControlKind::RadioButton &&
           (controls[last].style & cs::kGroup) == 0) {
        ++last;
    }
    return {first, last};
}

// The control that gets the focus when a dialog opens and its procedure gave it to none: the
// first in template order with a tab stop that takes the focus and that usable(control) says is
// shown and enabled; null when there is none.
template <typename Control, typename Usable>
const Control* firstFocusControl(const std::vector<Control>& controls, Usable usable) {
    for (const Control& c : controls) {
        if ((c.style & cs::kTabStop) != 0 && takesFocus(c.kind) && usable(c)) {
            return &c;
        }
    }
    return nullptr;
}

}  // namespace orvane
