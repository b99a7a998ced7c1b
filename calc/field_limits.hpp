// Entry helpers that act on a dialog's fields: the "Max %d" limits applied when the pilot
// leaves a field, and the drop-down lists of headings and wind speeds.
#pragma once

#include <string>

#include "platform/platform.hpp"

namespace orvane {

// "Max %d" with the limit.
std::string maxMessage(int maximum);

// When the field, read as a signed integer, exceeds the maximum, shows "Max %d", writes the
// maximum into the field and gives it the focus back. The comparison is unsigned, as on the
// original device: a negative entry counts as above any maximum (-5 against 360 gives 360).
void limitIntField(Window& dialog, int fieldId, int maximum);

// The same for a real field, judged by the number in its first 9 characters (59.5 against 59
// gives 59).
void limitRealField(Window& dialog, int fieldId, int maximum);

// Appends "010", "020", ... "360" (36 entries) to a combo box's list.
void fillHeadingCombo(Window& dialog, int comboId);

// Appends "05", "10", ... "40" (8 entries) to a combo box's list.
void fillWindSpeedCombo(Window& dialog, int comboId);

}  // namespace orvane
