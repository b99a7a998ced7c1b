#include "shell/main_window.hpp"

#include <memory>

#include "geo/magnetic_model_file.hpp"
#include "res/ids.hpp"
#include "res/menu.hpp"
#include "shell/aircraft_store.hpp"
#include "shell/command_table.hpp"
#include "shell/display.hpp"
#include "shell/help.hpp"
#include "shell/settings_store.hpp"
#include "shell/summary_panel.hpp"

namespace orvane {

void MainWindowProc::onOpen(Window& window) {
    unread_ = loadSettings(window, context_.platform.registry(), context_.state.preferences,
                           context_.state.defaults);
    context_.state.aircraft =
        loadAircraft(context_.platform.registry(), context_.state.defaults, unread_);
    chooseDisplay(
        context_.state, context_.platform,
        appearanceFromStore(static_cast<std::uint32_t>(context_.state.preferences.display)));
}

void MainWindowProc::onCommand(Window& window, int id, int /*code*/) {
    const int command = id & 0xFFFF;
    context_.state.lastCommandId = command;
    const CommandEntry* entry = findCommand(command);
    if (entry == nullptr) {
        return;  // not ours: the window system's default handling does nothing with it
    }
    switch (entry->action) {
        case CommandAction::CloseWindow:
            onCloseRequest(window);
            break;
        case CommandAction::DestroyWindow:
            window.end(0);
            break;
        case CommandAction::MainHelp:
            launchHelp(context_.platform, kMainHelpFile);
            break;
        case CommandAction::ToggleNight:
            toggleNight(context_.state, context_.platform);
            break;
        case CommandAction::OpenDialog: {
            std::unique_ptr<WindowProc> dialog = entry->factory(context_);
            window.runModal(entry->templateId, *dialog);
            break;
        }
    }
}

void MainWindowProc::onPaint(Window& /*window*/, Painter& painter) {
    paintSummaryPanel(painter, context_.state.summary, context_.platform.currencySymbol(),
                      coloursOf(context_.platform.shade()));
}

void MainWindowProc::onDestroy(Window& window) {
    saveSettings(window, context_.platform.registry(), context_.state.preferences,
                 context_.state.defaults, &unread_);
    saveAircraft(context_.platform.registry(), context_.state.aircraft, context_.state.defaults);
}

const MagneticModel* worldMagneticModel(RunState& state, Platform& platform) {
    if (!state.magneticModelRead) {
        state.magneticModelRead = true;
        if (const auto text = platform.readDataFile(kMagneticModelFile, kMagneticModelFileLimit)) {
            if (auto model = parseMagneticModel(*text)) {
                state.magneticModel = std::make_shared<const MagneticModel>(std::move(*model));
            }
        }
    }
    return state.magneticModel.get();
}

int runOrvane(Platform& platform, RunState& state) {
    if (platform.bringRunningCopyForward()) {
        return 0;
    }
    state = RunState{};
    DialogContext context{state, platform};
    MainWindowProc mainProc(context);
    Window* main = platform.createMainWindow(loadString(str::kTitle), mainProc);
    if (main == nullptr) {
        return 0;
    }
    {
        std::unique_ptr<WindowProc> splash = makeSplashDialog(context);
        main->runModal(dlg::kSplash, *splash);
    }
    std::unique_ptr<WindowProc> disclaimer = makeDisclaimerDialog(context);
    if (main->runModal(dlg::kDisclaimer, *disclaimer) == ctl::disclaimer::kExit) {
        // EXIT: the program ends at once; the settings are not written back.
        return 0;
    }
    return platform.runMessageLoop();
}

}  // namespace orvane
