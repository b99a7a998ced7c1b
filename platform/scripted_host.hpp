// What the script driver needs of a host beyond the platform itself: the world it can set, the
// user actions it can play, and what it can look at. The headless host and the Qt host both
// implement it, so the same scripts run on both.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/help_viewer.hpp"
#include "platform/keyboard.hpp"
#include "platform/memory_registry.hpp"
#include "platform/platform.hpp"
#include "platform/scripted_date.hpp"

namespace orvane {

// A script line that cannot be played (unknown control, a hidden control, a menu while a dialog
// is open, ...). It ends the script.
class ScriptError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Thrown by the action source when the script has no more lines while the program still runs:
// the host unwinds every modal loop and the program ends without saving.
struct ScriptEnded {};

// Plays the next line of the script. The host calls it whenever the program waits for the user
// (in the message loop and in every modal loop).
class ActionSource {
  public:
    virtual ~ActionSource() = default;
    virtual void playNext() = 0;
};

struct DrawCall {
    enum class Kind { Rect, Text, Line, Picture };
    Kind kind = Kind::Text;
    std::string text;  // Text: the text; Picture: the file
    int left = 0, top = 0, right = 0, bottom = 0;
    Align align = Align::Left;
    Rgb foreground, background;
};

// The summary panel's lines as text from its draw calls: each label (a text ending in ':') with
// the value drawn after it ("True course: 230°"), the cost line on its own.
inline std::vector<std::string> panelLines(const std::vector<DrawCall>& calls) {
    std::vector<PanelText> drawn;
    for (const DrawCall& c : calls) {
        if (c.kind == DrawCall::Kind::Text && !c.text.empty()) {
            drawn.push_back({c.text, c.text.back() == ':'});
        }
    }
    return panelLines(drawn);
}

// The summary panel's texts, as last painted, whose boxes do not lie wholly on the panel (the
// main window's client area, in the device's pixels), one fault a text.
std::vector<std::string> panelBoxFaults(const std::vector<DrawCall>& calls);

// The world a script sets around the program is the same on both hosts: the date on the
// scripted clock, the locale, the store, the data files and the help viewer. The hosts add the
// windows and the clock that moves (scriptedNow).
class ScriptedHost : public Platform {
  public:
    ScriptedHost();

    // Platform: the scripted world.
    Registry& registry() final { return *store_; }
    Date utcDate() final { return date_.at(scriptedNow()); }
    double monotonicSeconds() final { return scriptedNow(); }
    std::string currencySymbol() final { return currency_; }
    std::string shortDateOrder() final { return dateOrder_; }
    std::optional<std::string> readDataFile(std::string_view name, std::size_t maxBytes) final;
    // The only program the program starts is its help viewer, kept one at a time.
    bool startProcess(std::string_view program, std::string_view argument) final;

    virtual void setActionSource(ActionSource* source) = 0;
    // Called with the text of every message box as it appears (the host confirms it).
    std::function<void(const std::string&)> onMessageBox;
    // Called with the text of every question (a Yes/No message box) as it appears; the host
    // answers Yes when it returns true. Unset: every question is answered Yes.
    std::function<bool(const std::string&)> onQuestion;

    // The world.
    void setDate(Date date) { date_.set(date, scriptedNow()); }
    void setCurrency(std::string symbol) { currency_ = std::move(symbol); }
    void setDateOrder(std::string order) { dateOrder_ = std::move(order); }
    // A missing viewer cannot be started; one already open still shows the pages asked for.
    void setHelpViewerMissing(bool missing) { helpViewerMissing_ = missing; }
    // The pilot closes the help viewer's window.
    void closeHelpViewer() { helpWindow_.open = false; }
    // The store the program loads from and saves to (the host does not own it).
    void setStore(MemoryRegistry* store) { store_ = store ? store : &ownStore_; }
    // The program's data file name is the file at path (nothing: the program finds none). A name
    // never set is not found either; the user's own data folder is never looked in.
    void setDataFile(const std::string& name, std::optional<std::string> path) {
        dataFiles_[name] = std::move(path);
    }
    // Lets time pass, delivering the timer messages that fall due, in order.
    virtual void elapse(double seconds) = 0;
    // Delivers a running timer's message count times without moving the clock.
    virtual void tick(int timerId, int count) = 0;
    // The window's zoom: 1 shows the device's 240 by 320 pixels as they are.
    virtual void setZoom(double zoom) = 0;
    // The desktop's palette: dark (light text on dark backgrounds) or light.
    virtual void setDesktopDark(bool dark) = 0;

    // The user.
    virtual bool programRunning() const = 0;
    // Forgets the program's windows and timers once its entry point has returned (or the script
    // ended under it).
    virtual void programEnded() = 0;
    virtual void tap() = 0;
    virtual void menu(int command) = 0;
    virtual void accelerator(char letter) = 0;
    virtual void closeWindow() = 0;
    virtual void repaint() = 0;
    virtual void focus(int id) = 0;
    virtual void type(int id, const std::string& text) = 0;
    virtual void click(int id) = 0;
    virtual void pick(int id, const std::string& entry) = 0;
    virtual void command(int id, int code) = 0;
    virtual void help() = 0;
    // A key pressed in the top window: Enter, Escape, Space and Tab in a dialog, the menu keys on
    // the main window.
    virtual void key(Key key) = 0;

    // What can be seen.
    virtual int topTemplate() const = 0;  // 0 for the main window
    virtual std::string topTitle() const = 0;
    virtual bool hasControl(int id) const = 0;
    virtual std::string controlText(int id) const = 0;
    virtual bool controlVisible(int id) const = 0;
    virtual bool controlChecked(int id) const = 0;
    virtual bool controlEnabled(int id) const = 0;
    virtual int focusedControl() const = 0;
    virtual std::vector<std::string> listEntries(int id) const = 0;
    virtual std::string describeTop() const = 0;
    virtual std::vector<DrawCall> lastMainPaint() const = 0;
    // The help viewer's window as the pilot sees it: open or not, the page it shows (its
    // argument), how often it came to the front with a new page, the zoom its text follows.
    struct HelpWindow {
        bool open = false;
        std::string page;
        int raised = 0;
        double zoom = 1.0;
    };
    const HelpWindow& helpWindow() const { return helpWindow_; }
    // How many help viewers were started in this run.
    int helpViewersStarted() const { return helpViewersStarted_; }
    // The name assistive technology announces for a control of the top window.
    virtual std::string accessibleName(int id) const = 0;
    // The summary panel's lines as assistive technology reads them.
    virtual std::vector<std::string> panelText() const = 0;
    // What is wrong with what the pilot sees of the top window (and of a message box shown since
    // the last look), one line a fault. textChecked: whether the host also measured that every
    // text fits its control (the headless host has no fonts and checks the geometry only).
    virtual std::vector<std::string> layoutFaults(bool& textChecked) = 0;
    // Texts of the top window whose contrast with their background, as painted, is below
    // kMinimumTextContrast; and what of the top window's picture is too bright for Night (green
    // or blue above kNightGreenBlueLimit). One line a fault. measured: whether the host looked at
    // the rendered picture (the headless host has none and checks the colours the summary
    // panel was painted with).
    virtual std::vector<std::string> contrastFaults(bool& measured) = 0;
    virtual std::vector<std::string> nightFaults(bool& measured) = 0;
    // Saves a picture of the screen; false when the host cannot.
    // control: only that control of the top window, cut from the same picture (0: all).
    virtual bool shot(const std::string& file, int control) = 0;

  protected:
    // The time on the scripted clock, in seconds since the host was made.
    virtual double scriptedNow() const = 0;
    // The main window's zoom changed (a script's zoom, or the pilot's keys): an open help
    // viewer follows it.
    void zoomChanged(double zoom) {
        zoom_ = zoom;
        helpViewers_.setZoom(zoom);
    }

  private:
    MemoryRegistry ownStore_;
    MemoryRegistry* store_ = &ownStore_;
    ScriptedDate date_{Date{2026, 12, 9}, 0.0};
    std::string currency_ = "$";
    std::string dateOrder_ = "0";
    bool helpViewerMissing_ = false;
    double zoom_ = 1.0;
    HelpWindow helpWindow_;
    int helpViewersStarted_ = 0;
    OneHelpViewer helpViewers_;
    std::map<std::string, std::optional<std::string>, std::less<>> dataFiles_;
};

}  // namespace orvane
