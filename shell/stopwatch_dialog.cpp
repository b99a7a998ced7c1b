// The stopwatch (template 120): Start counts from zero, Stop freezes the display, and the display
// shows hours, minutes and seconds, the hours growing past 99 without wrapping.
//
// The time shown is the whole seconds elapsed since Start on the platform's monotonic clock. The
// 975 ms tick only refreshes the display: counting one second a tick would gain about a minute
// and a half an hour, and a busy thread that delays the ticks would make the watch lose time.
#include <cmath>
#include <cstdint>

#include "calc/numbers.hpp"
#include "res/ids.hpp"
#include "shell/dialogs.hpp"

namespace orvane {

namespace {

using namespace ctl::stopwatch;

constexpr int kTickTimer = 2;
constexpr int kTickMs = 975;

// "%02d:%02d:%02d" for hours, minutes and seconds.
std::string formatElapsed(std::int64_t seconds) {
    return formatC("%02lld:%02d:%02d", static_cast<long long>(seconds / 3600),
                   static_cast<int>(seconds / 60 % 60), static_cast<int>(seconds % 60));
}

class StopwatchDialog : public WindowProc {
  public:
    StopwatchDialog(StopwatchState& state, Platform& platform)
        : state_(state), platform_(platform) {}

    // Opening shows zero and runs no timer, whatever the watch showed when it was last closed.
    void onOpen(Window& window) override {
        state_.running = false;
        window.setText(kElapsed, formatElapsed(0));
    }

    void onCommand(Window& window, int id, int) override {
        switch (id) {
            case kStart:
                // Start while running begins again from zero.
                state_.running = true;
                state_.startSeconds = platform_.monotonicSeconds();
                show(window, 0);
                window.startTimer(kTickTimer, kTickMs);
                break;
            case kStop:
                window.stopTimer(kTickTimer);
                state_.running = false;
                break;
            case kCommandCancel:
                window.stopTimer(kTickTimer);
                state_.running = false;
                window.end(kCommandCancel);
                break;
            default:  // the caption's OK among them: the watch has no Done button
                break;
        }
    }

    void onTimer(Window& window, int timerId) override {
        if (timerId != kTickTimer || !state_.running) {
            return;
        }
        const double elapsed = platform_.monotonicSeconds() - state_.startSeconds;
        // A clock that has gone back, or a watch left running for longer than any flight,
        // shows the last time shown rather than nonsense.
        if (!(elapsed >= 0.0) || elapsed > 9.0e15) {
            return;
        }
        show(window, static_cast<std::int64_t>(std::floor(elapsed)));
    }

  private:
    void show(Window& window, std::int64_t seconds) {
        state_.shownSeconds = seconds;
        window.setText(kElapsed, formatElapsed(seconds));
    }

    StopwatchState& state_;
    Platform& platform_;
};

}  // namespace

std::unique_ptr<WindowProc> makeStopwatchDialog(DialogContext& context) {
    return std::make_unique<StopwatchDialog>(context.state.stopwatch, context.platform);
}

}  // namespace orvane
