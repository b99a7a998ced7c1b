// The headless host: windows and controls in memory, events from a script, painting recorded as
// draw calls, message boxes printed and confirmed at once, a clock that moves only when the
// script says so. Unit tests and the script driver run the whole program on it.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/focus_order.hpp"
#include "platform/scripted_clock.hpp"
#include "platform/scripted_host.hpp"
#include "res/templates.hpp"

namespace orvane {

class HeadlessHost;

struct HeadlessControl {
    int id = 0;
    ControlKind kind = ControlKind::Static;
    unsigned style = 0;
    std::string text;
    bool visible = true;
    bool checked = false;
    bool enabled = true;
    PixelRect rect;  // device pixels of the client area
    std::vector<std::string> list;
    std::vector<DrawCall> drawn;  // an owner-drawn control's last painting
};

class HeadlessWindow : public Window {
  public:
    HeadlessWindow(HeadlessHost& host, WindowProc& proc, const DialogTemplate* tmpl,
                   std::string title);

    std::string text(int id) const override;
    void setText(int id, std::string_view text) override;
    void show(int id, bool visible) override;
    bool visible(int id) const override;
    void move(int id, PixelRect rect) override;
    void setChecked(int id, bool checked) override;
    bool checked(int id) const override;
    void setEnabled(int id, bool enabled) override;
    void setFocus(int id) override;
    void addListEntry(int id, std::string_view entry) override;
    void clearList(int id) override;
    void redraw(int id) override;
    void setTitle(std::string_view title) override { title_ = std::string(title); }
    std::string title() const override { return title_; }
    void end(int result) override;
    void message(std::string_view text) override;
    bool ask(std::string_view text) override;
    void startTimer(int id, int periodMs) override;
    void stopTimer(int id) override;
    int runModal(int templateId, WindowProc& procedure) override;

    HeadlessControl* control(int id);
    const HeadlessControl* control(int id) const;
    std::vector<HeadlessControl>& controls() { return controls_; }
    WindowProc& proc() { return proc_; }
    int templateId() const { return template_ ? template_->id : 0; }
    const DialogTemplate* dialogTemplate() const { return template_; }
    bool ended() const { return ended_; }
    int result() const { return result_; }
    int focus() const { return focus_.focus(); }
    // Its controls as they are now, by template index.
    ControlState controlState() const;
    void notify(int id, int code) { proc_.onCommand(*this, id, code); }
    // Moves the focus, raising the kill-focus notification of the control that had it and the
    // set-focus notification of the new one (unless a handler moved the focus meanwhile).
    void moveFocus(int id);
    void focusFirstControl();

  private:
    HeadlessHost& host_;
    WindowProc& proc_;
    const DialogTemplate* template_;
    std::string title_;
    std::vector<HeadlessControl> controls_;
    FocusOrder focus_;
    bool ended_ = false;
    int result_ = 0;
};

class HeadlessHost : public ScriptedHost {
  public:
    HeadlessHost();
    ~HeadlessHost() override;

    // Platform
    bool bringRunningCopyForward() override;
    Window* createMainWindow(std::string_view title, WindowProc& procedure) override;
    int runMessageLoop() override;
    void setAppearance(Appearance choice) override;
    Shade shade() override;

    // ScriptedHost
    void setActionSource(ActionSource* source) override { source_ = source; }
    void elapse(double seconds) override;
    void tick(int timerId, int count) override;
    // The geometry is checked in device pixels; only an open help viewer follows the zoom.
    void setZoom(double zoom) override { zoomChanged(zoom); }
    void setDesktopDark(bool dark) override;
    bool programRunning() const override { return main_ != nullptr; }
    void tap() override;
    void menu(int command) override;
    void accelerator(char letter) override;
    void closeWindow() override;
    void repaint() override;
    void focus(int id) override;
    void type(int id, const std::string& text) override;
    void click(int id) override;
    void pick(int id, const std::string& entry) override;
    void command(int id, int code) override;
    void help() override;
    void key(Key key) override;
    std::string accessibleName(int id) const override;
    std::vector<std::string> panelText() const override { return panelLines(lastPaint_); }
    int topTemplate() const override;
    std::string topTitle() const override;
    bool hasControl(int id) const override;
    std::string controlText(int id) const override;
    bool controlVisible(int id) const override;
    bool controlChecked(int id) const override;
    bool controlEnabled(int id) const override;
    int focusedControl() const override;
    std::vector<std::string> listEntries(int id) const override;
    std::string describeTop() const override;
    std::vector<DrawCall> lastMainPaint() const override { return lastPaint_; }
    std::vector<std::string> layoutFaults(bool& textChecked) override;
    std::vector<std::string> contrastFaults(bool& measured) override;
    std::vector<std::string> nightFaults(bool& measured) override;
    bool shot(const std::string&, int) override { return false; }

    void programEnded() override;

    // Used by the windows.
    void waitForUser();
    void pushModal(HeadlessWindow* window) { stack_.push_back(window); }
    void popModal();
    void showMessage(std::string_view text);
    bool showQuestion(std::string_view text);
    int messagesShown() const { return messagesShown_; }
    void startTimer(HeadlessWindow* window, int id, int periodMs);
    void stopTimer(HeadlessWindow* window, int id);
    void destroyMain();
    void paintMain();
    void paintWindow(HeadlessWindow& window);

  private:
    double scriptedNow() const override { return timers_.now(); }
    HeadlessWindow& top() const;
    HeadlessWindow& userControlWindow(int id, HeadlessControl*& control) const;

    ActionSource* source_ = nullptr;
    std::unique_ptr<HeadlessWindow> main_;
    bool mainDestroyed_ = false;
    bool mainShown_ = false;
    std::vector<HeadlessWindow*> stack_;  // open modal dialogs, innermost last
    ScriptedTimers<HeadlessWindow> timers_;
    std::vector<DrawCall> lastPaint_;
    int messagesShown_ = 0;
    MenuKeys menuKeys_;
    Appearance appearance_{};  // Auto
    bool desktopDark_ = false;
};

}  // namespace orvane
