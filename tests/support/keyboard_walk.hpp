// Walks Tab round every dialog of the program on a host, through the program itself: each dialog
// is opened by its menu command, Tab is pressed once for every stop and once more, and the
// dialog is closed with Escape. Shared by the headless and the Qt host's tests.
#pragma once

#include <deque>
#include <functional>
#include <vector>

#include "platform/keyboard.hpp"
#include "platform/scripted_host.hpp"
#include "res/menu.hpp"
#include "res/templates.hpp"
#include "shell/main_window.hpp"
#include "shell/run_state.hpp"

namespace orvane {

struct TabWalk {
    int command = 0;
    int dialog = 0;
    std::vector<int> stops;    // the visible tab stops in the template's (screen) order
    std::vector<int> visited;  // the focus after each Tab, starting where the dialog put it
    // What the focus should visit: round the stops from the one after the first focus, back to it.
    int start = 0;  // the focus the dialog opened with
    std::vector<int> expected() const {
        std::vector<int> out;
        if (stops.empty()) {
            return out;
        }
        std::size_t at = 0;
        while (at < stops.size() && stops[at] != start) {
            ++at;
        }
        at = at == stops.size() ? stops.size() - 1 : at;  // no stop focused: Tab goes to the first
        for (std::size_t i = 1; i <= stops.size(); ++i) {
            out.push_back(stops[(at + i) % stops.size()]);
        }
        return out;
    }
};

class StepQueue : public ActionSource {
  public:
    std::deque<std::function<void()>> steps;
    void playNext() override {
        if (steps.empty()) {
            throw ScriptEnded{};
        }
        std::function<void()> step = std::move(steps.front());
        steps.pop_front();
        step();
    }
};

// Every menu command that opens a dialog (all but Exit and Help).
inline std::vector<int> dialogCommands() {
    std::vector<int> out;
    for (const MenuItem& item : mainMenu()) {
        if (item.command != 0 && item.command != 40002 && item.command != 40036) {
            out.push_back(item.command);
        }
    }
    return out;
}

inline std::vector<TabWalk> walkTabThroughEveryDialog(ScriptedHost& host) {
    StepQueue queue;
    MemoryRegistry store;
    host.setActionSource(&queue);
    host.setStore(&store);
    std::vector<TabWalk> walks;
    queue.steps.push_back([&] { host.tap(); });
    queue.steps.push_back([&] { host.click(1); });  // the disclaimer's Accept
    for (const int command : dialogCommands()) {
        queue.steps.push_back([&walks, &host, command] {
            TabWalk walk;
            walk.command = command;
            walks.push_back(walk);
            host.menu(command);
        });
        queue.steps.push_back([&] {
            TabWalk& walk = walks.back();
            walk.dialog = host.topTemplate();
            walk.start = host.focusedControl();
            if (const DialogTemplate* t = findDialogTemplate(walk.dialog)) {
                for (const ControlTemplate& c : t->controls) {
                    if (tabStop(c.kind, c.style) && host.controlVisible(c.id) &&
                        host.controlEnabled(c.id)) {
                        walk.stops.push_back(c.id);
                    }
                }
            }
            std::vector<std::function<void()>> more;
            for (std::size_t i = 0; i < walk.stops.size(); ++i) {
                more.push_back([&] {
                    host.key(Key::Tab);
                    walks.back().visited.push_back(host.focusedControl());
                });
            }
            more.push_back([&] { host.key(Key::Escape); });
            queue.steps.insert(queue.steps.begin(), more.begin(), more.end());
        });
    }
    queue.steps.push_back([&] { host.closeWindow(); });
    RunState state;
    try {
        (void)runOrvane(host, state);
    } catch (const ScriptEnded&) {
    }
    host.programEnded();
    host.setActionSource(nullptr);
    return walks;
}

}  // namespace orvane
