// The Qt host's user interface: the program's windows (qt_window.hpp), their loops and timers.
//
// QtUi is shared by the program (QtPlatform) and the script driver (the Qt scripted host); the
// little that differs between them (who confirms a message box, what happens when a loop starts
// waiting) comes through its Hooks, and the driver's host gives the windows its own timers, on
// the clock its scripts move. The driver's pictures and virtual clock live in its host.
//
// No C++ exception crosses Qt's event loop: every call from Qt into the program goes through
// QtUi::guard, which keeps the exception, ends every modal loop and the main loop, and the
// exception is thrown again where the loop was entered (runModal, message, runMessageLoop).
#pragma once

#include <QPointer>
#include <exception>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/appearance.hpp"
#include "platform/platform.hpp"
#include "platform/qt/qt_window.hpp"
#include "platform/scripted_host.hpp"

class QEventLoop;
class QMessageBox;
class QTimer;
class QWidget;

namespace orvane {

class QtUi {
  public:
    class Hooks {
      public:
        virtual ~Hooks() = default;
        // A loop is about to wait for the user (the main loop, a modal dialog's).
        virtual void loopStarting() {}
        // A message box is on screen and its loop about to run.
        virtual void messageBoxShown(QMessageBox&, const std::string&) {}
        // The zoom of the main window changed (the pilot's keys, or a script).
        virtual void zoomChanged(double) {}
    };

    // The windows' timers by window and id. Firing one runs the window's timer handler.
    class Timers {
      public:
        virtual ~Timers() = default;
        // Starts (or starts again) the timer; it fires every periodMs.
        virtual void start(QtWindow& window, int id, int periodMs) = 0;
        virtual void stop(QtWindow& window, int id) = 0;
        // Every timer of a window that goes away.
        virtual void forget(const QtWindow& window) = 0;
        virtual void clear() = 0;
    };

    // timers: the driver's; none: real timers.
    explicit QtUi(Hooks& hooks, Timers* timers = nullptr);
    ~QtUi();
    QtUi(const QtUi&) = delete;
    QtUi& operator=(const QtUi&) = delete;

    // The platform's part.
    Window* createMainWindow(std::string_view title, WindowProc& procedure);
    int runMessageLoop();
    // Forgets the program's windows and timers once its entry point has returned.
    void forget();

    // Used by the windows.
    int runModal(QtWindow& owner, int templateId, WindowProc& procedure);
    void message(QtWindow& owner, std::string_view text);
    bool ask(QtWindow& owner, std::string_view text);
    void destroyMain();
    void startTimer(QtWindow& window, int id, int periodMs);
    void stopTimer(QtWindow& window, int id);
    // Runs the main window's paint handler now and shows what it drew.
    void paintMain();
    // Runs a call from Qt into the program; an exception it throws unwinds every loop.
    template <class F>
    void guard(F&& call) {
        if (unwinding_) {
            return;
        }
        try {
            call();
        } catch (...) {
            fail(std::current_exception());
        }
    }
    void fail(std::exception_ptr error);
    // Throws again the exception that unwound the loops, if any.
    void rethrowPending();

    // What is on screen.
    QtWindow* mainWindow() const { return main_.get(); }
    bool mainDestroyed() const { return mainDestroyed_; }
    QtWindow* topWindow() const;
    const std::vector<QtWindow*>& dialogs() const { return dialogs_; }
    QMessageBox* messageBox() const;
    // The innermost running loop still waits for the user (its window has not ended).
    bool waitingForUser() const;
    bool unwinding() const { return unwinding_; }
    int messagesShown() const { return messagesShown_; }
    const std::vector<DrawCall>& lastMainPaint() const { return lastPaint_; }
    // Brings the main window, or its open dialog, to the front.
    void bringForward();
    // Ends the program on a request from outside (a signal at logout or from a service
    // manager): every message box and dialog closes, then the main window is destroyed as by
    // Exit, which saves the settings. Message boxes that would come up meanwhile go to the error
    // output instead: nobody is there to confirm them.
    void endFromOutside();

    // The zoom of the main window and everything in it (1: the device's 240 by 320 pixels).
    double zoom() const { return zoom_; }
    void setZoom(double zoom);
    // The program keeps its zoom in the store as "Zoom" (hundredths) under the program's key:
    // read once the settings are loaded (a missing or unreadable value gives the first start's
    // zoom, without a message), written before they are saved.
    void rememberZoomIn(Registry& store) { zoomStore_ = &store; }

    // The appearance the pilot chose, and the shade it shows now: Auto follows the desktop's
    // palette (the application's), also when it changes while the program runs.
    void setAppearance(Appearance choice);
    Appearance appearance() const { return appearance_; }
    Shade shade() const;
    const Colours& colours() const;

  private:
    class RealTimers;
    enum class LoopKind { Main, Dialog, Box };
    struct Loop {
        LoopKind kind;
        QtWindow* window;
    };
    // A message box with those standard buttons, run to its end; returns the button chosen.
    int showBox(QtWindow& owner, std::string_view text, int buttons);
    // Gives every window the colours of the shade, when it is not the one shown.
    void showShade();
    void styleBox(QMessageBox& box) const;
    void closeDialog(QtWindow& dialog);
    void unwind();
    void finishEnding();
    void activate(QWidget* widget);
    static void raise(QWidget* widget);

    Hooks& hooks_;
    std::unique_ptr<Timers> realTimers_;  // when the driver gives none
    Timers& timers_;
    std::unique_ptr<QtWindow> main_;
    bool mainDestroyed_ = false;
    std::vector<QtWindow*> dialogs_;  // open modal dialogs, innermost last
    std::vector<Loop> loops_;
    QEventLoop* mainLoop_ = nullptr;
    QPointer<QMessageBox> box_;
    double zoom_ = 1.0;
    Appearance appearance_{};  // Auto
    Shade shown_{};            // the shade the windows have
    std::unique_ptr<QObject> desktopWatch_;
    Registry* zoomStore_ = nullptr;
    std::vector<DrawCall> lastPaint_;
    int messagesShown_ = 0;
    bool unwinding_ = false;
    bool endingFromOutside_ = false;
    std::exception_ptr pending_;
};

// Sets up the application the way both the program and the driver run it: the Fusion style in
// its own light colours (the panel's colours are the program's), the program's font, the icon,
// and no quitting when the last window closes (the main window's destruction ends the program).
void setUpApplication();

}  // namespace orvane
