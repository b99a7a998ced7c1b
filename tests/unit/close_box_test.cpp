// The caption offers a close box only where the close command ends the dialog: a box that does
// nothing when tapped is a fault the pilot sees, and a dialog that the close command ends
// without a box to tap has a way out the template does not show.
#include <gtest/gtest.h>

#include "platform/memory_registry.hpp"
#include "res/templates.hpp"
#include "shell/command_table.hpp"
#include "tests/unit/message_window.hpp"

namespace orvane {
namespace {

class EndingWindow : public testkit::MessageWindow {
  public:
    bool ended = false;
    void end(int) override { ended = true; }
};

// The world the dialogs ask for while they open; nothing here is looked at.
class QuietPlatform : public Platform {
  public:
    bool bringRunningCopyForward() override { return false; }
    Window* createMainWindow(std::string_view, WindowProc&) override { return nullptr; }
    int runMessageLoop() override { return 0; }
    Registry& registry() override { return registry_; }
    bool startProcess(std::string_view, std::string_view) override { return true; }
    Date utcDate() override { return {2003, 6, 21}; }
    double monotonicSeconds() override { return 0.0; }
    std::string currencySymbol() override { return "$"; }
    std::string shortDateOrder() override { return "0"; }
    std::optional<std::string> readDataFile(std::string_view, std::size_t) override {
        return std::nullopt;
    }

  private:
    MemoryRegistry registry_;
};

// Regression: the airspeed, critical point and point of no return dialogs closed on command 2,
// and the sunrise dialog and the About box offered a close box that did nothing.
TEST(CloseBox, OfferedExactlyWhereTheCloseCommandEndsTheDialog) {
    for (const CommandEntry& entry : commandTable()) {
        if (entry.action != CommandAction::OpenDialog) {
            continue;
        }
        const DialogTemplate* t = findDialogTemplate(entry.templateId);
        ASSERT_NE(t, nullptr) << entry.command;
        RunState state;
        state.lastCommandId = entry.command;
        QuietPlatform platform;
        DialogContext context{state, platform};
        const auto dialog = entry.factory(context);
        EndingWindow window;
        dialog->onOpen(window);
        dialog->onCommand(window, kCommandCancel, 0);
        const bool closes = window.ended;
        EXPECT_EQ(closes, (t->style & ds::kDoneOnly) == 0)
            << "command " << entry.command << ", template " << t->id;
        if (offersCloseBox(*t)) {
            EXPECT_TRUE(closes) << "a close box that does nothing: template " << t->id;
        }
    }
}

}  // namespace
}  // namespace orvane
