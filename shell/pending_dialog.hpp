// A dialog whose calculations are not built yet: it opens from its template and closes with
// Done or the close box.
#pragma once

#include <memory>

#include "platform/platform.hpp"

namespace orvane {

class PendingDialog : public WindowProc {
  public:
    void onCommand(Window& window, int id, int) override {
        if (id == kCommandOk || id == kCommandCancel) {
            window.end(2);
        }
    }
};

}  // namespace orvane
