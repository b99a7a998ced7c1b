// The platform layer: what the program needs from a window system, a registry, a clock, a
// locale and a process launcher, in the classic vocabulary the program is written in.
//
// Dialog procedures and the shell speak only this interface. Two hosts implement it: the
// headless host (in-memory controls, scripted events, recorded painting) and the Qt host (real
// widgets). Neither the program nor its tests include a host header.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orvane {

// Notification codes carried by a command, as on the original window system.
namespace notify {
inline constexpr int kClicked = 0;  // push button or radio button tapped
inline constexpr int kEditSetFocus = 0x100;
inline constexpr int kEditKillFocus = 0x200;
inline constexpr int kEditChange = 0x300;
inline constexpr int kComboSelChange = 1;
inline constexpr int kComboSetFocus = 3;
inline constexpr int kComboKillFocus = 4;
inline constexpr int kComboEditChange = 5;
}  // namespace notify

// Commands every dialog may receive from its frame.
inline constexpr int kCommandOk =
    1;  // the caption's OK (Done) button, or Ctrl+Q on the main window
inline constexpr int kCommandCancel = 2;  // the caption's close box
inline constexpr int kCommandHelp = 9;    // the platform's help command

struct PixelRect {
    int x = 0, y = 0, width = 0, height = 0;
};

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
};

enum class Align { Left, Centre, Right };

// The appearances (platform/appearance.hpp).
enum class Appearance : std::int32_t;
enum class Shade;

// Drawing on a window's paint surface with its default font and a black one-pixel pen.
class Painter {
  public:
    virtual ~Painter() = default;
    // Fills [left, right) x [top, bottom) with fill and outlines it with the pen.
    virtual void fillRect(int left, int top, int right, int bottom, Rgb fill) = 0;
    // One line of text, vertically centred in the box, aligned horizontally; the text cell is
    // painted opaque in background.
    virtual void drawText(std::string_view text, int left, int top, int right, int bottom,
                          Align align, Rgb foreground, Rgb background) = 0;
    virtual void drawLine(int x1, int y1, int x2, int y2) = 0;
    // Copies width x height pixels from the top-left of a picture file to (x, y). A picture
    // that cannot be loaded draws nothing.
    virtual void drawPictureFile(std::string_view file, int x, int y, int width, int height) = 0;
};

class WindowProc;

// A window on screen: the main window or a dialog made from a template. Controls are reached by
// their template id; a control id that the window does not have is ignored (reads as empty).
class Window {
  public:
    virtual ~Window() = default;

    // Control text. A program write into an edit control raises its change notification.
    virtual std::string text(int id) const = 0;
    virtual void setText(int id, std::string_view text) = 0;
    virtual void show(int id, bool visible) = 0;
    virtual bool visible(int id) const = 0;
    // Moves a control to a rectangle in pixels of the client area.
    virtual void move(int id, PixelRect rect) = 0;
    virtual void setChecked(int id, bool checked) = 0;
    virtual bool checked(int id) const = 0;
    // A disabled control is shown greyed and takes no tap, typing or focus.
    virtual void setEnabled(int id, bool enabled) = 0;
    // Gives the control the input focus (raising the focus notifications).
    virtual void setFocus(int id) = 0;
    // Appends an entry to a combo box's drop-down list; the box's own text does not change.
    virtual void addListEntry(int id, std::string_view entry) = 0;
    // Empties a combo box's drop-down list; the box's own text does not change.
    virtual void clearList(int id) = 0;
    // Asks the window system to paint an owner-drawn control again (WindowProc::onDrawItem).
    virtual void redraw(int id) = 0;

    virtual void setTitle(std::string_view title) = 0;
    virtual std::string title() const = 0;

    // Ends a modal dialog with a result (the main window: destroys it).
    virtual void end(int result) = 0;
    // A message box owned by this window: the text only, one OK button; blocks until confirmed.
    virtual void message(std::string_view text) = 0;
    // A question owned by this window: the text only, Yes and No buttons; blocks until answered.
    // Returns true for Yes.
    virtual bool ask(std::string_view text) = 0;
    // Window timers by id; stopping a timer that does not run is harmless.
    virtual void startTimer(int id, int periodMs) = 0;
    virtual void stopTimer(int id) = 0;
    // Runs a dialog made from a template modally, owned by this window; returns its result, or
    // -1 when the template does not exist.
    virtual int runModal(int templateId, WindowProc& procedure) = 0;

    // The platform's integer reading and writing (GetDlgItemInt / SetDlgItemInt).
    std::int32_t getInt(int id) const;
    void setInt(int id, std::int32_t value);
    // A real input: the first maxChars characters of the field, read by readReal.
    double getReal(int id, std::size_t maxChars = 14) const;
};

// What a window does with the messages it receives. Every handler has a do-nothing default.
class WindowProc {
  public:
    virtual ~WindowProc() = default;
    // Dialog opening, or the main window's creation.
    virtual void onOpen(Window&) {}
    // A command from a control (id and notification code), a menu or an accelerator.
    virtual void onCommand(Window&, int /*id*/, int /*code*/) {}
    virtual void onTimer(Window&, int /*timerId*/) {}
    // The help request (F1 or the caption's help); returns whether it was handled.
    virtual bool onHelp(Window&) { return false; }
    // A tap (stylus down) on the window itself, outside any control.
    virtual void onTap(Window&) {}
    virtual void onPaint(Window&, Painter&) {}
    // Paints an owner-drawn control (style cs::kOwnerDraw) of a dialog, whose area is (0, 0) to
    // (width, height) in the painter's pixels.
    virtual void onDrawItem(Window&, int /*id*/, Painter&, int /*width*/, int /*height*/) {}
    // A close request to the main window; the default destroys it.
    virtual void onCloseRequest(Window& window) { window.end(0); }
    // The main window's destruction.
    virtual void onDestroy(Window&) {}
};

// The registry: keys under HKEY_LOCAL_MACHINE by path, 32-bit numbers and strings. Every call
// reports success or failure only.
class Registry {
  public:
    using Key = int;  // a key handle; 0 is never a valid key
    virtual ~Registry() = default;
    virtual bool open(std::string_view path, Key& key) = 0;
    virtual bool create(std::string_view path, Key& key) = 0;
    virtual bool readDword(Key key, std::string_view name, std::uint32_t& value) = 0;
    // A string value; fails when the value is missing or not a string.
    virtual bool readString(Key key, std::string_view name, std::string& value) = 0;
    // The name of the index-th subkey (from 0, in the store's order) of the key at path, which
    // need not exist itself (as in a registry, a subkey makes its parent); false past the last.
    virtual bool subkey(std::string_view path, std::size_t index, std::string& name) = 0;
    // Whether the key holds a value of that name, of any type, readable or not.
    virtual bool hasValue(Key key, std::string_view name) = 0;
    virtual bool writeDword(Key key, std::string_view name, std::uint32_t value) = 0;
    // An empty name writes the key's unnamed (default) value.
    virtual bool writeString(Key key, std::string_view name, std::string_view value) = 0;
    virtual bool close(Key key) = 0;
    // Deletes a key with its values (its subkeys stay); false when it is not there or cannot be
    // deleted.
    virtual bool deleteKey(std::string_view path) = 0;
    // The name under which a store found damaged at start was kept, the first time it is asked
    // for; empty when there is nothing to tell.
    virtual std::string takeKeptDamagedName() { return {}; }
};

struct Date {
    int year = 2000, month = 1, day = 1;
};

// The world around the program: the window system's top level, registry, clock, locale and
// process launcher.
class Platform {
  public:
    virtual ~Platform() = default;

    // The single-instance rule: when another copy of the program runs for this user, brings its
    // main window (or its open dialog) to the front and returns true.
    virtual bool bringRunningCopyForward() = 0;
    // Creates the main window (titled title) with its menu bar; runs procedure.onOpen before it
    // returns. Null when the window cannot be created.
    virtual Window* createMainWindow(std::string_view title, WindowProc& procedure) = 0;
    // Shows the main window, paints it, and runs the message loop until the main window is
    // destroyed; returns the exit code.
    virtual int runMessageLoop() = 0;

    virtual Registry& registry() = 0;
    // Starts a program without waiting for it; false when it cannot be started.
    virtual bool startProcess(std::string_view program, std::string_view argument) = 0;
    virtual Date utcDate() = 0;
    // Seconds on a clock that never goes back (the stopwatch).
    virtual double monotonicSeconds() = 0;
    // The system locale's whole currency symbol, and its short date order as text
    // ("0" month-day-year, "1" day-month-year, "2" year-month-day).
    virtual std::string currencySymbol() = 0;
    virtual std::string shortDateOrder() = 0;
    // One of the program's data files by its bare name ("WMM.COF"), read whole: the user's data
    // folder is looked in first, then the program's own folders. Nothing when no folder holds
    // it, when it cannot be read, or when it is longer than maxBytes. A platform without data
    // files (a test's) finds none.
    virtual std::optional<std::string> readDataFile(std::string_view /*name*/,
                                                    std::size_t /*maxBytes*/) {
        return std::nullopt;
    }
    // The appearance the pilot chose: every window shows it at once, and Auto follows the
    // desktop's palette from then on. A platform without windows of its own keeps Day.
    virtual void setAppearance(Appearance /*choice*/) {}
    // The shade on screen now; the program paints its panel and pictures in its colours.
    virtual Shade shade() { return Shade{}; }
};

}  // namespace orvane
