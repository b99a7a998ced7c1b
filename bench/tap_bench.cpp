// The response to a Calculate tap: the whole program runs on the headless host, a dialog is
// opened and its inputs typed once, then each timed iteration is one tap on Calculate, with
// everything it sets off: reading the fields, the calculation, formatting, writing the results,
// the change notifications those writes raise, and the shared records it updates.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "bench/bench.hpp"
#include "platform/headless/headless_host.hpp"
#include "res/ids.hpp"
#include "shell/main_window.hpp"
#include "shell/run_state.hpp"

namespace orvane::bench {

namespace {

using Step = std::function<void(HeadlessHost&)>;

struct TapCase {
    const char* name;
    int command;               // the menu command that opens the dialog
    std::vector<Step> inputs;  // typed once, before the timing
    int calculate;             // the Calculate button
    int resultId;              // a result field, checked after the timing
    const char* result;        // what it must read
};

// Plays the user: the splash closed by a tap, the disclaimer accepted, the menu command, the
// inputs, the focus put on Calculate; then the timed taps; then Done and the program's close.
class TapSession : public ActionSource {
  public:
    TapSession(HeadlessHost& host, benchmark::State& state, const TapCase& tap)
        : host_(host), state_(state), tap_(tap) {
        steps_.push_back([](HeadlessHost& h) { h.tap(); });
        steps_.push_back([](HeadlessHost& h) { h.click(kCommandOk); });  // Accept
        steps_.push_back([c = tap.command](HeadlessHost& h) { h.menu(c); });
        steps_.insert(steps_.end(), tap.inputs.begin(), tap.inputs.end());
        steps_.push_back([c = tap.calculate](HeadlessHost& h) { h.focus(c); });
    }

    void playNext() override {
        if (next_ < steps_.size()) {
            steps_[next_++](host_);
            return;
        }
        if (!timed_) {
            timed_ = true;
            if (host_.topTemplate() == 0) {
                error_ = "the dialog did not open";
            } else {
                for (auto _ : state_) {
                    host_.click(tap_.calculate);
                }
                const std::string got = host_.controlText(tap_.resultId);
                if (got != tap_.result) {
                    error_ = "result field " + std::to_string(tap_.resultId) + " reads \"" + got +
                             "\", expected \"" + tap_.result + "\"";
                }
            }
            host_.command(kCommandOk, 0);  // Done
            return;
        }
        host_.closeWindow();  // back in the main window: end the program
    }

    bool timed() const { return timed_; }
    const std::string& error() const { return error_; }

  private:
    HeadlessHost& host_;
    benchmark::State& state_;
    const TapCase& tap_;
    std::vector<Step> steps_;
    std::size_t next_ = 0;
    bool timed_ = false;
    std::string error_;
};

void timeTaps(benchmark::State& state, const TapCase& tap) {
    HeadlessHost host;
    RunState run;
    TapSession session(host, state, tap);
    host.setActionSource(&session);
    std::string error;
    try {
        (void)runOrvane(host, run);
    } catch (const ScriptError& e) {
        error = e.what();
    } catch (const ScriptEnded&) {
        error = "the program waited for more input than the session had";
    }
    host.programEnded();
    if (error.empty()) {
        error = session.error();
    }
    if (error.empty() && !session.timed()) {
        error = "the program ended before the taps";
    }
    if (!error.empty()) {
        state.SkipWithError(error.c_str());
    }
}

Step type(int id, const char* text) {
    return [id, text](HeadlessHost& h) { h.type(id, text); };
}

Step pick(int id, const char* entry) {
    return [id, entry](HeadlessHost& h) { h.pick(id, entry); };
}

namespace gc = ctl::great_circle;
namespace calc = ctl::calculator;

const std::vector<TapCase>& tapCases() {
    static const std::vector<TapCase> cases = {
        // London to New York: great circle, rhumb line, the variation, five results written and
        // the route and home position stored.
        {"great circle Calculate",
         cmd::kGreatCircle,
         {type(gc::kFromLatitudeDegrees, "51"), type(gc::kFromLatitudeMinutes, "28"),
          type(gc::kFromLatitudeHundredths, "00"), type(gc::kFromLongitudeDegrees, "000"),
          type(gc::kFromLongitudeMinutes, "27"), type(gc::kFromLongitudeHundredths, "00"),
          type(gc::kToLatitudeDegrees, "40"), type(gc::kToLatitudeMinutes, "38"),
          type(gc::kToLatitudeHundredths, "00"), type(gc::kToLongitudeDegrees, "073"),
          type(gc::kToLongitudeMinutes, "47"), type(gc::kToLongitudeHundredths, "00")},
         gc::kCalculate,
         gc::kInitialCourse,
         "287.9\u00b0"},
        // 120 kt on 090 with 20 kt from 180: heading and ground speed written and stored.
        {"heading and ground speed Calculate",
         cmd::kHeadingGroundSpeed,
         {type(calc::kFirstInput, "120"), pick(calc::kSecondInput, "090"),
          pick(calc::kThirdInput, "180"), type(calc::kFourthInput, "20")},
         calc::kCalculate,
         calc::kFirstResult,
         "100\u00b0"},
    };
    return cases;
}

}  // namespace

void registerTapBenchmarks() {
    for (const TapCase& tap : tapCases()) {
        benchmark::RegisterBenchmark((std::string(kTapPrefix) + tap.name).c_str(),
                                     [&tap](benchmark::State& state) { timeTaps(state, tap); })
            ->Unit(benchmark::kMicrosecond);
    }
}

}  // namespace orvane::bench
