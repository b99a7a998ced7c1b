// The splash: the program's picture for up to five seconds, closed early by a tap or a command.
#include "shell/dialogs.hpp"

namespace orvane {

namespace {

constexpr int kSplashTimer = 1;
constexpr int kSplashMs = 5000;
constexpr const char* kSplashPicture = "Orvane_splash.bmp";

class SplashDialog : public WindowProc {
  public:
    void onOpen(Window& window) override { window.startTimer(kSplashTimer, kSplashMs); }
    // The picture file is drawn at every paint (the host reads it again only once it has
    // changed); a missing one draws nothing.
    void onPaint(Window&, Painter& painter) override {
        painter.drawPictureFile(kSplashPicture, 0, 0, 240, 300);
    }
    void onTimer(Window& window, int) override { close(window); }
    void onTap(Window& window) override { close(window); }
    void onCommand(Window& window, int id, int) override { close(window, id & 0xFFFF); }

  private:
    static void close(Window& window, int result = 0) {
        window.stopTimer(kSplashTimer);
        window.end(result);
    }
};

}  // namespace

std::unique_ptr<WindowProc> makeSplashDialog(DialogContext&) {
    return std::make_unique<SplashDialog>();
}

}  // namespace orvane
