// orvane-bench [--calls=FILE] [Google Benchmark flags]
//
// Runs the benchmarks (each run's figures go to standard error as they come) and then prints the
// summary table on standard output: every operation against its floor, every tap against its
// target.
//
// An operation's floor is what the same loop would cost if the operation made only its C library
// calls: the bare loop, plus for each call the library function's own cost (its benchmark less
// the loop). The calls are those orvane-bench-calls counted at run time (FILE is its output), so
// a sqrt the compiler made one instruction, or a pow(x, 2.0) it made a product, is arithmetic of
// the operation's own, not a call. An operation that makes no call is held to one sin. Without
// FILE the table shows the figures without floors. Each figure is the least time per
// iteration over the repetitions, the one least disturbed by other work on the machine.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <limits>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "bench/bench.hpp"

namespace {

using orvane::bench::kFloorPrefix;
using orvane::bench::kLoopName;
using orvane::bench::kOperationPrefix;
using orvane::bench::kTapPrefix;
using orvane::bench::kTimedPrefix;

// Keeps the least CPU time per iteration of every benchmark, in nanoseconds, and passes the runs
// on to the console report.
class Collector : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            const std::string name = run.run_name.function_name;
            if (run.error_occurred) {
                errors[name] = run.error_message;
                continue;
            }
            if (run.run_type != Run::RT_Iteration || run.iterations <= 0) {
                continue;
            }
            const double ns = run.cpu_accumulated_time / static_cast<double>(run.iterations) * 1e9;
            auto [it, added] = best.emplace(name, ns);
            if (added) {
                order.insert(
                    std::upper_bound(order.begin(), order.end(), run.family_index,
                                     [](std::int64_t f, const auto& o) { return f < o.first; }),
                    {run.family_index, name});
            } else {
                it->second = std::min(it->second, ns);
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }

    std::map<std::string, double> best;
    // In the order the benchmarks were registered (repetitions may run in random order).
    std::vector<std::pair<std::int64_t, std::string>> order;
    std::map<std::string, std::string> errors;
};

struct CallCounts {
    std::vector<std::pair<std::string, double>> calls;  // function, calls per operation
};

// Reads orvane-bench-calls output: "operation<TAB>function=calls function=calls ...".
std::map<std::string, CallCounts> readCalls(const std::string& file) {
    std::map<std::string, CallCounts> out;
    std::ifstream in(file);
    if (!in) {
        std::cerr << "orvane-bench: cannot read " << file << "\n";
        return out;
    }
    std::string line;
    while (std::getline(in, line)) {
        const std::size_t tab = line.find('\t');
        if (tab == std::string::npos) {
            continue;
        }
        CallCounts& counts = out[line.substr(0, tab)];
        std::istringstream items(line.substr(tab + 1));
        std::string item;
        while (items >> item) {
            const std::size_t eq = item.find('=');
            if (eq != std::string::npos) {
                counts.calls.emplace_back(item.substr(0, eq),
                                          std::strtod(item.c_str() + eq + 1, nullptr));
            }
        }
    }
    return out;
}

std::string number(double v, int decimals) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
    return buf;
}

std::string callList(const CallCounts& counts) {
    if (counts.calls.empty()) {
        return "none: held to one sin";
    }
    std::string out;
    for (const auto& [function, n] : counts.calls) {
        if (!out.empty()) {
            out += " + ";
        }
        if (n != 1.0) {
            out += number(n, n == static_cast<long>(n) ? 0 : 2) + " ";
        }
        out += function;
    }
    return out;
}

// One line of the table: what, its figure, the floor or reference it is held to, the ratio of
// the two, whether the target is met, and a note (the library calls that make up the floor).
void row(const std::string& what, const std::string& figure, const std::string& floor,
         const std::string& ratio, const std::string& verdict, const std::string& note) {
    char line[512];
    std::snprintf(line, sizeof line, "%-36s %9s %9s %6s  %-7s %s", what.c_str(), figure.c_str(),
                  floor.c_str(), ratio.c_str(), verdict.c_str(), note.c_str());
    std::string text = line;
    text.erase(text.find_last_not_of(' ') + 1);
    std::printf("%s\n", text.c_str());
}

int printTable(const Collector& c, const std::map<std::string, CallCounts>& calls, bool haveCalls) {
    int missed = 0;
    const auto find = [&](const std::string& name) {
        auto it = c.best.find(name);
        return it == c.best.end() ? std::numeric_limits<double>::quiet_NaN() : it->second;
    };
    const double loop = find(std::string(kFloorPrefix) + kLoopName);

    std::printf("\n");
    row("C library call (one)", "ns", "net ns", "", "", "net: less the loop that holds it");
    for (const auto& [family, name] : c.order) {
        const double ns = c.best.at(name);
        if (name.rfind(kFloorPrefix, 0) == 0) {
            const std::string function = name.substr(std::strlen(kFloorPrefix));
            row("  " + function, number(ns, 1), function == kLoopName ? "" : number(ns - loop, 1),
                "", "", function == kLoopName ? "read a case, keep a value" : "");
        }
    }

    std::printf("\n");
    row("pure operation", "ns", "floor ns", "ratio",
        "<= " + number(orvane::bench::kOperationTarget, 0), "floor: loop + library calls made");
    for (const auto& [family, name] : c.order) {
        const double ns = c.best.at(name);
        if (name.rfind(kOperationPrefix, 0) != 0) {
            continue;
        }
        const std::string op = name.substr(std::strlen(kOperationPrefix));
        if (!haveCalls) {
            row("  " + op, number(ns, 1), "", "", "", "");
            continue;
        }
        auto it = calls.find(op);
        if (it == calls.end()) {
            row("  " + op, number(ns, 1), "?", "", "", "not counted");
            continue;
        }
        // An operation that calls nothing in the library is held to one sin: it should cost less
        // than the cheapest thing it could have called.
        const bool callsNothing = it->second.calls.empty();
        const std::vector<std::pair<std::string, double>> oneSin = {{"sin", 1.0}};
        double floor = loop;
        bool known = true;
        for (const auto& [function, n] : callsNothing ? oneSin : it->second.calls) {
            const double f = find(kFloorPrefix + function);
            known = known && f == f;
            floor += n * (f - loop);
        }
        const double ratio = ns / floor;
        std::string verdict;
        if (!known) {
            verdict = "?";
        } else if (ratio <= orvane::bench::kOperationTarget) {
            verdict = "met";
        } else {
            verdict = "MISSED";
            ++missed;
        }
        row("  " + op, number(ns, 1), number(floor, 1), number(ratio, 2), verdict,
            known ? callList(it->second) : callList(it->second) + " (a call without a floor)");
    }

    // Rows held to a time in microseconds: taps below their target, timed calls within theirs.
    auto timedRows = [&](const char* title, const char* prefix, double target, bool below,
                         int decimals) {
        std::printf("\n");
        row(title, "us", "target us", "ratio", below ? "< 1" : "<= 1", "");
        for (const auto& [family, name] : c.order) {
            if (name.rfind(prefix, 0) != 0) {
                continue;
            }
            const double us = c.best.at(name) / 1000.0;
            const bool met = below ? us < target : us <= target;
            missed += met ? 0 : 1;
            row("  " + name.substr(std::strlen(prefix)), number(us, decimals), number(target, 0),
                number(us / target, 2), met ? "met" : "MISSED", "");
        }
    };
    timedRows("Calculate tap (headless host)", kTapPrefix, orvane::bench::kTapTargetMicroseconds,
              true, 2);
    timedRows("held to a time per call", kTimedPrefix, orvane::bench::kTimedTargetMicroseconds,
              false, 3);
    for (const auto& [name, message] : c.errors) {
        std::printf("error: %s: %s\n", name.c_str(), message.c_str());
        ++missed;
    }
    return missed;
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    std::string callsFile;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.rfind("--calls=", 0) == 0) {
            callsFile = arg.substr(8);
        } else {
            std::cerr << "usage: orvane-bench [--calls=FILE] [benchmark flags]\n";
            return 2;
        }
    }
    orvane::bench::registerCalculationBenchmarks();
    orvane::bench::registerTapBenchmarks();
    orvane::bench::registerTimedBenchmarks();

    Collector collector;
    collector.SetOutputStream(&std::cerr);
    collector.SetErrorStream(&std::cerr);
    benchmark::RunSpecifiedBenchmarks(&collector);
    benchmark::Shutdown();

    const std::map<std::string, CallCounts> calls =
        callsFile.empty() ? std::map<std::string, CallCounts>{} : readCalls(callsFile);
    const int missed = printTable(collector, calls, !callsFile.empty());
    std::printf(
        "\noperations and taps: %s\n",
        missed == 0
            ? "every target met"
            : (std::to_string(missed) + " target" + (missed == 1 ? "" : "s") + " missed").c_str());
    return 0;
}
