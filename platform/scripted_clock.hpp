// The clock a script moves on: both hosts let time pass by firing, in order, every window timer
// that falls due, instead of waiting real seconds.
#pragma once

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "platform/platform.hpp"
#include "platform/scripted_host.hpp"

namespace orvane {

// Moves now on by seconds, firing each timer whose due time (seconds) is reached, earliest
// first and in the order they were started at equal times; a timer fires again every periodMs.
// Times are kept in whole milliseconds so that a long wait does not drift. fire gets a copy of
// the timer, since firing may start or stop timers. Timer needs due, order and periodMs.
template <typename Timer, typename Fire>
void elapseTimers(std::vector<Timer>& timers, double& now, double seconds, Fire fire) {
    if (!(seconds >= 0.0) || !std::isfinite(seconds)) {
        throw ScriptError("elapse takes a number of seconds, 0 or more");
    }
    const double target = std::round((now + seconds) * 1000.0) / 1000.0;
    for (;;) {
        auto next = timers.end();
        for (auto it = timers.begin(); it != timers.end(); ++it) {
            if (it->due <= target + 1e-9 && (next == timers.end() || it->due < next->due ||
                                             (it->due == next->due && it->order < next->order))) {
                next = it;
            }
        }
        if (next == timers.end()) {
            break;
        }
        now = next->due;
        const Timer fired = *next;
        next->due = std::round((next->due + next->periodMs / 1000.0) * 1000.0) / 1000.0;
        fire(fired);
    }
    now = target;
}

// Delivers the running timer id's message count times without moving the clock; a timer that
// is not running is a script error, and one that a delivery stops ends the ticks.
template <typename Timer, typename Fire>
void tickTimer(const std::vector<Timer>& timers, int id, int count, Fire fire) {
    for (int i = 0; i < count; ++i) {
        auto it =
            std::find_if(timers.begin(), timers.end(), [&](const Timer& t) { return t.id == id; });
        if (it == timers.end()) {
            if (i == 0) {
                throw ScriptError("timer " + std::to_string(id) + " is not running");
            }
            return;
        }
        fire(*it);
    }
}

// The window timers of a scripted world, by window and id, on the clock that only elapse moves.
// Both driver hosts keep their timers here; Window is the host's window type.
template <typename Window>
class ScriptedTimers {
  public:
    double now() const { return now_; }

    // Starts (or starts again) the window's timer id; it falls due every periodMs from now.
    void start(Window& window, int id, int periodMs) {
        stop(window, id);
        const int period = std::max(periodMs, 1);
        timers_.push_back(Timer{&window, id, period, now_ + period / 1000.0, order_++});
    }
    void stop(const Window& window, int id) {
        std::erase_if(timers_, [&](const Timer& t) { return t.window == &window && t.id == id; });
    }
    // Every timer of a window that goes away.
    void forget(const Window& window) {
        std::erase_if(timers_, [&](const Timer& t) { return t.window == &window; });
    }
    void clear() { timers_.clear(); }

    // fire(window, id) delivers one timer message.
    template <typename Fire>
    void elapse(double seconds, Fire fire) {
        elapseTimers(timers_, now_, seconds, [&](const Timer& t) { fire(*t.window, t.id); });
    }
    template <typename Fire>
    void tick(int id, int count, Fire fire) {
        tickTimer(timers_, id, count, [&](const Timer& t) { fire(*t.window, t.id); });
    }

  private:
    struct Timer {
        Window* window;
        int id;
        int periodMs;
        double due;  // seconds on the scripted clock
        long order;
    };
    std::vector<Timer> timers_;
    double now_ = 0.0;
    long order_ = 0;
};

}  // namespace orvane
