// Timings of the pure operations and of the C library calls they are made of.
//
// Every benchmark reads its arguments from a small table of cases (bench/operations.hpp) with a
// running index, and keeps its result with DoNotOptimize: no call can be folded at compile time
// or dropped, and the loop costs the same in an operation's benchmark as in a library call's.
#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <cstddef>
#include <string>

#include "bench/bench.hpp"
#include "bench/operations.hpp"

namespace orvane::bench {

namespace {

using Cases = std::array<Args, kCases>;

template <class Run>
void timeCases(benchmark::State& state, const Cases& cases, Run run) {
    std::size_t i = 0;
    for (auto _ : state) {
        const Args& a = cases[i++ & (kCases - 1)];
        auto result = run(a);
        benchmark::DoNotOptimize(result);
    }
}

// Arguments for one library call each, spread over the ranges the operations give them.
Cases spread(double first, double step, double second = 0.0, double secondStep = 0.0) {
    Cases out{};
    for (std::size_t c = 0; c < kCases; ++c) {
        out[c][0] = first + step * static_cast<double>(c);
        out[c][1] = second + secondStep * static_cast<double>(c);
    }
    return out;
}

Cases powCases() {
    // Pressure and density ratios near 1 to the powers the altitude and airspeed formulas use,
    // and latitudes cubed as the variation model does.
    constexpr double kExponents[] = {0.23498, 5.256, 3.0, 0.23498};
    Cases out{};
    for (std::size_t c = 0; c < kCases; ++c) {
        out[c][0] = (c % 4 == 2) ? 30.0 + 1.5 * static_cast<double>(c) : 0.85 + 0.03 * c;
        out[c][1] = kExponents[c % 4];
    }
    return out;
}

template <class Run>
void addFloor(const char* function, Cases cases, Run run) {
    benchmark::RegisterBenchmark(
        (std::string(kFloorPrefix) + function).c_str(),
        [cases, run](benchmark::State& state) { timeCases(state, cases, run); })
        ->Unit(benchmark::kNanosecond);
}

}  // namespace

void registerCalculationBenchmarks() {
    // The loop alone: read one case, keep one value. Every figure below includes it once.
    addFloor(kLoopName, spread(0.35, 0.37), [](const Args& a) { return a[0]; });

    addFloor("sin", spread(0.35, 0.37), [](const Args& a) { return std::sin(a[0]); });
    addFloor("cos", spread(0.35, 0.37), [](const Args& a) { return std::cos(a[0]); });
    addFloor("sincos", spread(0.35, 0.37), [](const Args& a) {
        double s = 0.0;
        double c = 0.0;
        ::sincos(a[0], &s, &c);
        return s + c;
    });
    addFloor("tan", spread(0.35, 0.09), [](const Args& a) { return std::tan(a[0]); });
    addFloor("asin", spread(-0.9, 0.12), [](const Args& a) { return std::asin(a[0]); });
    addFloor("acos", spread(-0.9, 0.12), [](const Args& a) { return std::acos(a[0]); });
    addFloor("atan", spread(-3.0, 0.4), [](const Args& a) { return std::atan(a[0]); });
    addFloor("atan2", spread(-97.5, 13.0, 120.0, -9.0),
             [](const Args& a) { return std::atan2(a[0], a[1]); });
    addFloor("pow", powCases(), [](const Args& a) { return std::pow(a[0], a[1]); });
    addFloor("log", spread(0.6, 0.09), [](const Args& a) { return std::log(a[0]); });
    addFloor("sqrt", spread(100.0, 37.0), [](const Args& a) { return std::sqrt(a[0]); });
    addFloor("floor", spread(-50.3, 7.1), [](const Args& a) { return std::floor(a[0]); });
    addFloor("fmod", spread(37.5, 61.3, 360.0, 0.0),
             [](const Args& a) { return std::fmod(a[0], a[1]); });

    forEachOperation([](const char* name, const Args& base, auto run) {
        const Cases cases = varied(base);
        benchmark::RegisterBenchmark(
            (std::string(kOperationPrefix) + name).c_str(),
            [cases, run](benchmark::State& state) { timeCases(state, cases, run); })
            ->Unit(benchmark::kNanosecond);
    });
}

}  // namespace orvane::bench
