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

}  // namespace orvane
