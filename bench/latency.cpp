// orvane-bench-latency: how quickly the real program answers the pilot, on the Qt host
// (offscreen), with real input events and real painting.
//
// One run: the whole program starts on the driver's Qt host, the splash is tapped away and the
// disclaimer accepted; then calculators are opened from the menu one after the other, each timed
// from the menu command to the end of the paint that put the dialog on screen (painted and
// flushed to the window's backing store). In the first dialogs that have a Calculate case, the
// inputs are typed once and Calculate is tapped over and over, each tap timed from the mouse
// press to the end of the paint that showed the result field's new text. Prints one line a
// figure, in milliseconds of wall time and of the program's processor time:
//
//   first-open MS CPU     the first calculator opened in the run
//   open MS CPU           every later one
//   tap MS CPU            every Calculate tap
//
// bench/latency.sh runs it several times and prints the table's rows.
//
//   orvane-bench-latency [--opens N] [--taps N]
#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "bench/tap_cases.hpp"
#include "platform/qt/qt_scripted_host.hpp"
#include "res/ids.hpp"
#include "shell/main_window.hpp"
#include "shell/run_state.hpp"

namespace orvane {
namespace {

using Clock = std::chrono::steady_clock;

// The processor time this thread has used, in milliseconds: beside the wall time, it shows how
// much of a figure was spent waiting for a processor that other programs had.
double cpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

double msBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

// Watches the paints of one widget and what it holds, or of any dialog. Widgets are painted
// when their window's update request is handled: the dirty widgets are painted into the backing
// store, which is then flushed. The watch handles that request itself, to note the time just
// after it, and keeps the time of the first one that painted what it watches.
class PaintWatch : public QObject {
  public:
    void watch(QWidget* target) {
        target_ = target;
        anyDialog_ = false;
        done_.reset();
    }
    void watchDialogs() {
        target_ = nullptr;
        anyDialog_ = true;
        done_.reset();
    }
    bool done() const { return done_.has_value(); }
    Clock::time_point doneAt() const { return *done_; }
    double doneCpuMs() const { return doneCpu_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if ((target_ == nullptr && !anyDialog_) || done_) {
            return false;
        }
        if (event->type() == QEvent::Paint) {
            if (auto* widget = qobject_cast<QWidget*>(watched);
                widget != nullptr && watched_(widget)) {
                paintedTarget_ = true;
            }
            return false;
        }
        if (event->type() == QEvent::UpdateRequest && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow()) {
            paintedTarget_ = false;
            (void)watched->event(event);  // paints the dirty widgets and flushes them
            if (paintedTarget_) {
                done_ = Clock::now();
                doneCpu_ = cpuMs();
            }
            return true;
        }
        return false;
    }

  private:
    bool watched_(const QWidget* widget) const {
        if (anyDialog_) {
            for (const QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
                if (qobject_cast<const QDialog*>(w) != nullptr) {
                    return true;
                }
            }
            return false;
        }
        return widget == target_ || target_->isAncestorOf(widget);
    }

    QWidget* target_ = nullptr;
    bool anyDialog_ = false;
    bool paintedTarget_ = false;
    std::optional<Clock::time_point> done_;
    double doneCpu_ = 0.0;
};

using bench::TapCase;
using bench::TapInput;

// The calculators opened in turn: those of the Calculate cases (bench/tap_cases.hpp) first, their
// taps played the first time each is open, then dialogs of every other kind.
struct Calculator {
    int command;
    const TapCase* tap;  // null: the dialog is only opened
};

const std::vector<Calculator>& calculators() {
    static const std::vector<Calculator> all = [] {
        std::vector<Calculator> list;
        for (const TapCase& tap : bench::tapCases()) {
            list.push_back({tap.command, &tap});
        }
        for (int command : {cmd::kAirspeed, cmd::kCriticalPoint, cmd::kPointOfNoReturn,
                            cmd::kFuelPlanning, cmd::kConversions, cmd::kCrosswind}) {
            list.push_back({command, nullptr});
        }
        return list;
    }();
    return all;
}

class Session : public ActionSource {
  public:
    Session(ScriptedHost& host, int opens, int taps) : host_(host), opens_(opens), taps_(taps) {
        qApp->installEventFilter(&watch_);
    }
    ~Session() override { qApp->removeEventFilter(&watch_); }

    void playNext() override {
        if (busy_) {
            return;  // the event loop turned while a figure was being taken
        }
        if (!error_.empty()) {
            throw ScriptEnded{};
        }
        if (stage_ == 0) {
            ++stage_;
            host_.tap();  // the splash
            return;
        }
        if (stage_ == 1) {
            ++stage_;
            host_.click(ctl::disclaimer::kAccept);
            return;
        }
        if (host_.topTemplate() == 0) {
            openNext();
            return;
        }
        // In the dialog just opened.
        const Calculator& c = calculators()[(opened_ - 1) % calculators().size()];
        if (!waitForPaint()) {
            fail("the dialog of command " + std::to_string(c.command) + " was never painted");
            return;
        }
        std::printf("%s %.3f %.3f\n", opened_ == 1 ? "first-open" : "open",
                    msBetween(openedAt_, watch_.doneAt()), watch_.doneCpuMs() - openedCpu_);
        if (c.tap != nullptr && tapped_.insert(c.command).second) {
            tapRepeatedly(*c.tap);
        }
        host_.command(kCommandOk, 0);  // Done
    }

    const std::string& error() const { return error_; }
    int opened() const { return opened_; }

  private:
    void openNext() {
        if (opened_ >= opens_) {
            host_.menu(cmd::kExit);
            return;
        }
        const Calculator& c =
            calculators()[static_cast<std::size_t>(opened_) % calculators().size()];
        ++opened_;
        // Whatever the main window still had to paint is painted first, away from the figure.
        turnLoop();
        watch_.watchDialogs();
        openedAt_ = Clock::now();
        openedCpu_ = cpuMs();
        host_.menu(c.command);  // returns when the dialog has closed
    }

    // The dialog's first paint has happened by the time its loop first waits, or comes soon.
    bool waitForPaint() { return pumpUntilPainted(); }

    bool pumpUntilPainted() {
        const Clock::time_point give_up = Clock::now() + std::chrono::seconds(2);
        while (!watch_.done() && Clock::now() < give_up) {
            turnLoop();
        }
        return watch_.done();
    }

    void tapRepeatedly(const TapCase& c) {
        for (const TapInput& input : c.inputs) {
            bench::play(host_, input);
        }
        // The input the changed one replaces, to give back every other time.
        TapInput original = c.changed;
        for (const TapInput& input : c.inputs) {
            if (input.id == c.changed.id) {
                original = input;
            }
        }
        host_.focus(c.calculate);
        turnLoop();
        QWidget* result = qtControlWidget(host_, c.resultId);
        if (result == nullptr) {
            fail("no result field " + std::to_string(c.resultId));
            return;
        }
        for (int i = 0; i < taps_; ++i) {
            const bool changed = i % 2 == 1;
            if (i > 0) {
                bench::play(host_, changed ? c.changed : original);
                turnLoop();
            }
            watch_.watch(result);
            const Clock::time_point pressed = Clock::now();
            const double pressedCpu = cpuMs();
            host_.click(c.calculate);
            if (!pumpUntilPainted()) {
                fail("the result field " + std::to_string(c.resultId) + " was never painted");
                return;
            }
            std::printf("tap %.3f %.3f\n", msBetween(pressed, watch_.doneAt()),
                        watch_.doneCpuMs() - pressedCpu);
            const std::string got = host_.controlText(c.resultId);
            const char* expected = changed ? c.changedResult : c.result;
            if (got != expected) {
                fail("result field " + std::to_string(c.resultId) + " reads \"" + got +
                     "\", expected \"" + expected + "\"");
                return;
            }
        }
    }

    // One turn of the event loop, in which the host's own turns do not play the next step.
    void turnLoop() {
        busy_ = true;
        QCoreApplication::processEvents();
        busy_ = false;
    }

    void fail(std::string message) {
        if (error_.empty()) {
            error_ = std::move(message);
        }
    }

    ScriptedHost& host_;
    int opens_;
    int taps_;
    PaintWatch watch_;
    int stage_ = 0;
    int opened_ = 0;
    bool busy_ = false;
    Clock::time_point openedAt_;
    double openedCpu_ = 0.0;
    std::set<int> tapped_;
    std::string error_;
};

}  // namespace
}  // namespace orvane

int main(int argc, char** argv) {
    int opens = 16;
    int taps = 100;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--opens") == 0) {
            opens = std::max(1, std::atoi(argv[i + 1]));
        } else if (std::strcmp(argv[i], "--taps") == 0) {
            taps = std::max(1, std::atoi(argv[i + 1]));
        }
    }
    std::unique_ptr<orvane::ScriptedHost> host = orvane::makeQtScriptedHost(argc, argv);
    orvane::MemoryRegistry store;
    host->setStore(&store);
    orvane::RunState state;
    orvane::Session session(*host, opens, taps);
    host->setActionSource(&session);
    std::string error;
    try {
        (void)orvane::runOrvane(*host, state);
    } catch (const orvane::ScriptError& e) {
        error = e.what();
    } catch (const orvane::ScriptEnded&) {
        error = "the session ended early";
    }
    host->programEnded();
    if (!session.error().empty()) {
        error = session.error();
    }
    if (error.empty() && session.opened() < opens) {
        error = "the program ended before every calculator was opened";
    }
    if (!error.empty()) {
        std::fprintf(stderr, "orvane-bench-latency: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
