// A window that only records the message boxes shown over it, as the owner of the settings
// store's messages in unit tests.
#pragma once

#include <string>
#include <vector>

#include "platform/platform.hpp"

namespace orvane::testkit {

class MessageWindow : public Window {
  public:
    std::vector<std::string> messages;

    void message(std::string_view text) override { messages.emplace_back(text); }

    std::string text(int) const override { return {}; }
    void setText(int, std::string_view) override {}
    void show(int, bool) override {}
    bool visible(int) const override { return true; }
    void move(int, PixelRect) override {}
    void setChecked(int, bool) override {}
    bool checked(int) const override { return false; }
    void setEnabled(int, bool) override {}
    void setFocus(int) override {}
    void addListEntry(int, std::string_view) override {}
    void clearList(int) override {}
    void redraw(int) override {}
    bool ask(std::string_view text) override {
        messages.emplace_back(text);
        return true;
    }
    void setTitle(std::string_view) override {}
    std::string title() const override { return {}; }
    void end(int) override {}
    void startTimer(int, int) override {}
    void stopTimer(int) override {}
    int runModal(int, WindowProc&) override { return -1; }
};

}  // namespace orvane::testkit
