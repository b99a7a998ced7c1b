// The disclaimer shown at every start: Accept goes on, EXIT ends the program.
#include "res/ids.hpp"
#include "shell/dialogs.hpp"

namespace orvane {

namespace {

constexpr const char* kTexts[] = {
    "This software may contain errors and omissions. Orvane should not be used as a primary "
    "aid to navigation.",
    "Kelbrin Software does not validate the data outputs from this program. It is the sole "
    "responsibility of the commander to verify the output of this program",
    "Kelbrin Software accepts NO LIABILITY for loss, damage or injury that may be a consequence "
    "of use of this software",
};
using namespace ctl::disclaimer;

constexpr int kTextIds[] = {kWarning, kNoValidation, kNoLiability};

class DisclaimerDialog : public WindowProc {
  public:
    void onOpen(Window& window) override {
        for (int i = 0; i < 3; ++i) {
            window.setText(kTextIds[i], kTexts[i]);
        }
    }
    void onCommand(Window& window, int id, int) override {
        if (id == kAccept || id == kExit) {
            window.end(id);
        }
    }
};

}  // namespace

std::unique_ptr<WindowProc> makeDisclaimerDialog(DialogContext&) {
    return std::make_unique<DisclaimerDialog>();
}

}  // namespace orvane
