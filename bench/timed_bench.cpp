// Calls held to a time of their own: the World Magnetic Model's variation for a route, from the
// shipped coefficient file, on a date inside the model's years.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "bench/bench.hpp"
#include "bench/operations.hpp"
#include "geo/magnetic_model_file.hpp"
#include "platform/data_files.hpp"

namespace orvane::bench {

void registerTimedBenchmarks() {
    auto model = std::make_shared<MagneticModel>();
    const auto text = readSmallFile(ORVANE_MODEL_FILE, kMagneticModelFileLimit);
    const auto parsed = text ? parseMagneticModel(*text) : std::nullopt;
    const bool loaded = parsed.has_value();
    if (loaded) {
        *model = *parsed;
    }
    // New York to Chicago (radians, west positive), as the great circle dialog hands it over.
    const auto cases = varied(Args{0.7092, 1.2878, 4.97, 0.1808});
    constexpr double kYear = 2027.3;
    benchmark::RegisterBenchmark(
        (std::string(kTimedPrefix) + "geo: world model variation").c_str(),
        [model, cases, loaded](benchmark::State& state) {
            if (!loaded) {
                state.SkipWithError("the coefficient file " ORVANE_MODEL_FILE " cannot be read");
                return;
            }
            std::size_t i = 0;
            for (auto _ : state) {
                const Args& a = cases[i++ & (kCases - 1)];
                double v = worldVariation(*model, a[0], a[1], a[2], a[3], kYear);
                benchmark::DoNotOptimize(v);
            }
        })
        ->Unit(benchmark::kNanosecond);
}

}  // namespace orvane::bench
