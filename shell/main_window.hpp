// The main window: loads the settings when it is created, saves them when it is destroyed,
// paints the summary panel and acts on the command table.
#pragma once

#include "platform/platform.hpp"
#include "shell/dialogs.hpp"
#include "shell/run_state.hpp"
#include "shell/settings_store.hpp"

namespace orvane {

class MainWindowProc : public WindowProc {
  public:
    explicit MainWindowProc(DialogContext context) : context_(context) {}
    void onOpen(Window& window) override;
    void onCommand(Window& window, int id, int code) override;
    void onPaint(Window& window, Painter& painter) override;
    void onDestroy(Window& window) override;

  private:
    DialogContext context_;
    UnreadSettings unread_;  // what the load at creation could not read
};

// The program: the single-instance rule, the main window, the splash and the disclaimer, then
// the message loop, with the shared records in state (zeroed at start). Returns the exit code.
int runOrvane(Platform& platform, RunState& state);

}  // namespace orvane
