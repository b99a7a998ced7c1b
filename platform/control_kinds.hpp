// What each kind of control does with the focus and with typing, in notification codes; shared
// by both hosts so that a script sees the same notifications on each.
#pragma once

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

}  // namespace orvane
