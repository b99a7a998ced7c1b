// The About box: the program's picture and version; Done closes it.
#include "shell/dialogs.hpp"

namespace orvane {

namespace {

class AboutDialog : public WindowProc {
  public:
    void onCommand(Window& window, int id, int) override {
        if (id == kCommandOk) {
            window.end(1);
        }
    }
};

}  // namespace

std::unique_ptr<WindowProc> makeAboutDialog(DialogContext&) {
    return std::make_unique<AboutDialog>();
}

}  // namespace orvane
