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
#include "bench/tap_cases.hpp"
#include "platform/headless/headless_host.hpp"
#include "res/ids.hpp"
#include "shell/main_window.hpp"
#include "shell/run_state.hpp"

namespace orvane::bench {

namespace {

using Step = std::function<void(HeadlessHost&)>;

// Plays the user: the splash closed by a tap, the disclaimer accepted, the menu command, the
// inputs, the focus put on Calculate; then the timed taps; then Done and the program's close.
class TapSession : public ActionSource {
  public:
    TapSession(HeadlessHost& host, benchmark::State& state, const TapCase& tap)
        : host_(host), state_(state), tap_(tap) {
        steps_.push_back([](HeadlessHost& h) { h.tap(); });
        steps_.push_back([](HeadlessHost& h) { h.click(kCommandOk); });  // Accept
        steps_.push_back([c = tap.command](HeadlessHost& h) { h.menu(c); });
        for (const TapInput& input : tap.inputs) {
            steps_.push_back([input](HeadlessHost& h) { play(h, input); });
        }
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

}  // namespace

void registerTapBenchmarks() {
    for (const TapCase& tap : tapCases()) {
        benchmark::RegisterBenchmark((std::string(kTapPrefix) + tap.name).c_str(),
                                     [&tap](benchmark::State& state) { timeTaps(state, tap); })
            ->Unit(benchmark::kMicrosecond);
    }
}

}  // namespace orvane::bench
