// The Calculate cases that both tap benchmarks play: the headless host's (bench/tap_bench.cpp,
// the tap's own work) and the Qt host's (bench/latency.cpp, the tap to its result painted).
#pragma once

#include <vector>

#include "platform/scripted_host.hpp"
#include "res/ids.hpp"

namespace orvane::bench {

// An input typed into a field, or chosen from a drop-down list.
struct TapInput {
    int id;
    const char* text;
    bool pick = false;
};

inline void play(ScriptedHost& host, const TapInput& input) {
    if (input.pick) {
        host.pick(input.id, input.text);
    } else {
        host.type(input.id, input.text);
    }
}

struct TapCase {
    const char* name;
    int command;                   // the menu command that opens the dialog
    std::vector<TapInput> inputs;  // typed once, before the taps
    int calculate;                 // the Calculate button
    int resultId;                  // a result field
    const char* result;            // what it reads after a tap
    // One of the inputs given another value, and what the result field then reads: the Qt host
    // taps with it every other time, so that each tap paints a new result.
    TapInput changed;
    const char* changedResult;
};

inline const std::vector<TapCase>& tapCases() {
    namespace gc = ctl::great_circle;
    namespace calc = ctl::calculator;
    static const std::vector<TapCase> cases = {
        // London to New York: great circle, rhumb line, the variation, five results written and
        // the route and home position stored.
        {"great circle Calculate",
         cmd::kGreatCircle,
         {{gc::kFromLatitudeDegrees, "51"},
          {gc::kFromLatitudeMinutes, "28"},
          {gc::kFromLatitudeHundredths, "00"},
          {gc::kFromLongitudeDegrees, "000"},
          {gc::kFromLongitudeMinutes, "27"},
          {gc::kFromLongitudeHundredths, "00"},
          {gc::kToLatitudeDegrees, "40"},
          {gc::kToLatitudeMinutes, "38"},
          {gc::kToLatitudeHundredths, "00"},
          {gc::kToLongitudeDegrees, "073"},
          {gc::kToLongitudeMinutes, "47"},
          {gc::kToLongitudeHundredths, "00"}},
         gc::kCalculate,
         gc::kInitialCourse,
         "287.9\u00b0",
         {gc::kToLongitudeDegrees, "074"},
         "288.6\u00b0"},
        // 120 kt on 090 with 20 kt from 180: heading and ground speed written and stored.
        {"heading and ground speed Calculate",
         cmd::kHeadingGroundSpeed,
         {{calc::kFirstInput, "120"},
          {calc::kSecondInput, "090", true},
          {calc::kThirdInput, "180", true},
          {calc::kFourthInput, "20"}},
         calc::kCalculate,
         calc::kFirstResult,
         "100\u00b0",
         {calc::kFirstInput, "140"},
         "098\u00b0"},
    };
    return cases;
}

}  // namespace orvane::bench
