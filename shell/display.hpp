// The Display choice: Auto, Day or Night, chosen in Preferences or toggled with Ctrl+N, kept in
// PreferenceData::display (and by the settings store between runs), shown by the platform at once.
#pragma once

#include "platform/appearance.hpp"
#include "platform/platform.hpp"
#include "shell/run_state.hpp"

namespace orvane {

void chooseDisplay(RunState& state, Platform& platform, Appearance choice);
// Ctrl+N: Night, and from Night back to the choice it came from (Auto when it came from none).
void toggleNight(RunState& state, Platform& platform);

}  // namespace orvane
