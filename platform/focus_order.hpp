// The focus of one window and the order of its focus notifications, the same on every host: the
// control losing the focus says so first (its kill-focus notification, only if its set-focus was
// delivered), then the control gaining it (its set-focus), unless a handler of the first moved
// the focus elsewhere meanwhile, as a "Max %d" limit does when it gives the focus back.
#pragma once

#include <optional>

#include "platform/control_kinds.hpp"

namespace orvane {

class FocusOrder {
  public:
    int focus() const { return focus_; }

    // Moves the focus to id (0: nowhere). kindOf(id) gives a control's kind; moved() runs once
    // the focus has changed and before any notification (a host moves its widget focus there);
    // notify(id, code) sends a notification to the window's procedure.
    template <typename KindOf, typename Moved, typename Notify>
    void move(int id, KindOf kindOf, Moved moved, Notify notify) {
        if (id == focus_) {
            return;
        }
        const int previous = focus_;
        const bool previousAnnounced = previous != 0 && previous == announced_;
        focus_ = id;
        const int serial = ++serial_;
        announced_ = 0;
        moved();
        if (previousAnnounced) {
            const std::optional<ControlKind> kind = kindOf(previous);
            const int code = kind ? killFocusNotification(*kind) : kNoNotification;
            if (code != kNoNotification) {
                notify(previous, code);
            }
        }
        if (serial != serial_ || id == 0) {
            return;  // a handler moved the focus elsewhere meanwhile
        }
        announced_ = id;
        const std::optional<ControlKind> kind = kindOf(id);
        const int code = kind ? setFocusNotification(*kind) : kNoNotification;
        if (code != kNoNotification) {
            notify(id, code);
        }
    }

  private:
    int focus_ = 0;
    int announced_ = 0;  // the control whose set-focus notification was delivered
    int serial_ = 0;
};

}  // namespace orvane
