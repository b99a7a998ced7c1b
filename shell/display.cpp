#include "shell/display.hpp"

namespace orvane {

void chooseDisplay(RunState& state, Platform& platform, Appearance choice) {
    state.preferences.display = static_cast<std::int32_t>(choice);
    platform.setAppearance(choice);
}

void toggleNight(RunState& state, Platform& platform) {
    const Appearance now =
        appearanceFromStore(static_cast<std::uint32_t>(state.preferences.display));
    if (now == Appearance::Night) {
        chooseDisplay(state, platform,
                      appearanceFromStore(static_cast<std::uint32_t>(state.displayBeforeNight)));
        return;
    }
    state.displayBeforeNight = static_cast<std::int32_t>(now);
    chooseDisplay(state, platform, Appearance::Night);
}

}  // namespace orvane
